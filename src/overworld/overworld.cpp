#include "overworld/overworld.hpp"

#include "levels/catalogue.hpp"
#include "overworld/reveal.hpp"

#include <algorithm>
#include <cstdlib>

namespace coilwend {
namespace {

// Passes of the main loop before a held input repeats.
constexpr std::uint32_t kFirstMoveRepeat = 25;
constexpr std::uint32_t kMoveRepeat = 10;
constexpr std::uint32_t kZoomRepeat = 1;
constexpr float kZoomInFactor = 1.05f;
constexpr float kZoomOutFactor = 0.95f;
// A press that travels this far (window units, across plus up and down)
// drags the map instead of clicking.
constexpr float kDragThreshold = 11.0f;

bool is_zoom(MapMove move) {
    return move == MapMove::ZoomIn || move == MapMove::ZoomOut;
}

bool is_horizontal(MapMove move) {
    return move == MapMove::Left || move == MapMove::Right;
}

Direction move_direction(MapMove move) {
    switch (move) {
    case MapMove::Left:
        return kLeft;
    case MapMove::Right:
        return kRight;
    case MapMove::Up:
        return kUp;
    default:
        return kDown;
    }
}

void zoom_by(Overworld& world, float factor, const MapScreen& screen) {
    world.camera.zoom *= factor;
    apply_view_limits(world.camera, screen.aspect());
}

void act(Overworld& world, MapMove move, const MapScreen& screen) {
    if (move == MapMove::ZoomIn)
        zoom_by(world, kZoomInFactor, screen);
    else if (move == MapMove::ZoomOut)
        zoom_by(world, kZoomOutFactor, screen);
    else
        move_selection(world, move, screen);
}

// The first selectable entry on a cell, in catalogue order.
std::optional<std::size_t> selectable_at(const std::vector<OverworldEntry>& levels, Pos cell) {
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (entry_cell(levels[i]) == cell && is_selectable(levels[i].state))
            return i;
    return std::nullopt;
}

} // namespace

Vec3 entry_centre(const OverworldEntry& entry) {
    return {static_cast<float>(entry.x), static_cast<float>(entry.y), 0.0f};
}

std::uint8_t entry_setting(const OverworldEntry& entry) {
    return find_level(entry.id).puzzle.setting;
}

Overworld make_overworld(std::vector<OverworldEntry> levels, std::size_t selected,
                         const MapScreen& screen) {
    Overworld world;
    world.levels = std::move(levels);
    world.selected = selected;
    world.camera.position = world.camera.target = entry_centre(world.levels[selected]);
    world.camera.zoom = kStartZoom;
    apply_view_limits(world.camera, screen.aspect());
    return world;
}

bool move_selection(Overworld& world, MapMove move, const MapScreen& screen) {
    const Pos next = step(entry_cell(world.levels[world.selected]), move_direction(move));
    const auto found = selectable_at(world.levels, next);
    if (!found)
        return false;
    world.selected = *found;
    world.camera.target = entry_centre(world.levels[*found]);
    apply_view_limits(world.camera, screen.aspect());
    return true;
}

void press_map_move(Overworld& world, MapMove move, PressSource source, const MapScreen& screen) {
    const MapHold& hold = world.hold;
    const bool stick_turns = source == PressSource::Stick && hold.source == PressSource::Stick &&
                             is_horizontal(hold.move) == is_horizontal(move);
    if (hold.active && hold.move == move && source == PressSource::Button) {
        world.hold.source = source; // a key pressed over the stick's hold takes it
        return;
    }
    if (hold.active && (hold.move == move || (source == PressSource::Stick && !stick_turns)))
        return;
    act(world, move, screen);
    world.hold = {true, is_zoom(move) ? kZoomRepeat : kFirstMoveRepeat, move, source};
}

void release_map_move(Overworld& world, MapMove move) {
    if (world.hold.move == move)
        world.hold.active = false;
}

void release_map_stick(Overworld& world, bool horizontal) {
    const MapHold& hold = world.hold;
    if (hold.source == PressSource::Stick && !is_zoom(hold.move) &&
        is_horizontal(hold.move) == horizontal)
        world.hold.active = false;
}

void repeat_map_move(Overworld& world, const MapScreen& screen) {
    if (!world.hold.active)
        return;
    if (world.hold.counter > 0) {
        --world.hold.counter;
        return;
    }
    act(world, world.hold.move, screen);
    world.hold.counter = is_zoom(world.hold.move) ? kZoomRepeat : kMoveRepeat;
}

bool selection_at_rest(const Overworld& world) {
    return !world.hold.active || is_zoom(world.hold.move);
}

float wheel_factor(std::int32_t amount) {
    if (amount < -5)
        return 0.5f;
    return 1.0f + 0.1f * static_cast<float>(std::min(amount, 5));
}

void wheel_zoom(Overworld& world, const MapScreen& screen, std::int32_t amount, float px,
                float py) {
    zoom_about(world.camera, screen, wheel_factor(amount), px, py);
}

void map_pointer_pressed(Overworld& world, const MapScreen& screen, float px, float py) {
    world.drag = {DragPhase::Pressed, px, py, map_point_under(world.camera, screen, px, py)};
}

void map_pointer_moved(Overworld& world, const MapScreen& screen, float px, float py) {
    MapDrag& drag = world.drag;
    if (drag.phase == DragPhase::Pressed &&
        std::abs(px - drag.press_x) + std::abs(py - drag.press_y) >= kDragThreshold)
        drag.phase = DragPhase::Dragging;
    if (drag.phase != DragPhase::Dragging)
        return;
    // Shift the view so the grabbed floor point is under the pointer again,
    // and stop any glide toward an older target.
    const Vec3 under = map_point_under(world.camera, screen, px, py);
    world.camera.position = world.camera.position + (drag.grabbed - under);
    world.camera.target = world.camera.position;
    apply_view_limits(world.camera, screen.aspect());
}

MapClick map_pointer_released(Overworld& world, const MapScreen& screen, float px, float py) {
    const bool click = world.drag.phase == DragPhase::Pressed;
    world.drag.phase = DragPhase::None;
    if (!click)
        return MapClick::None;
    const Pos cell = map_cell_under(world.camera, screen, px, py);
    if (cell == entry_cell(world.levels[world.selected]))
        return MapClick::EnterSelected;
    const auto found = selectable_at(world.levels, cell);
    if (!found)
        return MapClick::None;
    world.selected = *found;
    return MapClick::Selected;
}

std::optional<std::size_t> automatic_selection(const std::vector<OverworldEntry>& levels,
                                               std::size_t selected) {
    const Pos centre = entry_cell(levels[selected]);
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (levels[i].state != State::Completed && are_neighbours(entry_cell(levels[i]), centre))
            return i;
    return std::nullopt;
}

} // namespace coilwend
