#include "overworld_rendering/map_markers.hpp"

#include "game/matrix.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kFullTurn = 2 * std::numbers::pi_v<float>;
constexpr int kMarkerSegments = 32;

// The cursor: gold on a dark halo, so it reads on sand as well as on forest.
constexpr Rgb kCursorColour{255, 206, 48};
constexpr Rgb kCursorHalo{34, 24, 12};
constexpr Rgb kPopColour{150, 220, 255}; // a cool flash that reads on sand and grass alike

// A flat piece of geometry lying in a horizontal plane around a cell centre,
// scaled by a size factor about that centre.
struct Placement {
    float x = 0, y = 0;
    float size = 1;
    Vec3 at(float dx, float dy, float height) const {
        return {x + dx * size, y + dy * size, height * size};
    }
};

void add_flat(std::vector<MeshVertex>& out, Vec3 p, Rgb colour) {
    out.push_back(MeshVertex{{p.x, p.y, p.z}, {0, 0, 1}, colour, 0});
}

// The 32 directions around a marker, worked out once: every frame draws
// them for each of up to 79 markers.
struct Direction2 {
    float c = 1, s = 0;
};
const std::array<Direction2, kMarkerSegments + 1>& around() {
    static const auto table = [] {
        std::array<Direction2, kMarkerSegments + 1> t;
        for (int k = 0; k <= kMarkerSegments; ++k) {
            const float a = kFullTurn * float(k) / kMarkerSegments;
            t[k] = {std::cos(a), std::sin(a)};
        }
        return t;
    }();
    return table;
}

void add_disc(std::vector<MeshVertex>& out, const Placement& at, float radius, float height,
              Rgb colour) {
    const Vec3 centre = at.at(0, 0, height);
    const auto& d = around();
    for (int k = 0; k < kMarkerSegments; ++k) {
        add_flat(out, centre, colour);
        add_flat(out, at.at(radius * d[k].c, radius * d[k].s, height), colour);
        add_flat(out, at.at(radius * d[k + 1].c, radius * d[k + 1].s, height), colour);
    }
}

void add_ring(std::vector<MeshVertex>& out, const Placement& at, float inner, float outer,
              float height, Rgb colour) {
    const auto& d = around();
    for (int k = 0; k < kMarkerSegments; ++k) {
        const Vec3 i0 = at.at(inner * d[k].c, inner * d[k].s, height);
        const Vec3 i1 = at.at(inner * d[k + 1].c, inner * d[k + 1].s, height);
        const Vec3 o0 = at.at(outer * d[k].c, outer * d[k].s, height);
        const Vec3 o1 = at.at(outer * d[k + 1].c, outer * d[k + 1].s, height);
        for (const Vec3& p : {i0, o0, o1, i0, o1, i1})
            add_flat(out, p, colour);
    }
}

Rgb scaled(Rgb c, float factor) {
    auto channel = [&](std::uint8_t v) { return static_cast<std::uint8_t>(float(v) * factor); };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

float clamp01(float v) {
    return std::clamp(v, 0.0f, 1.0f);
}

Placement cell_placement(const OverworldEntry& entry, float size) {
    return {float(entry.x), float(entry.y), size};
}

// The size every marker shares during the title: nothing until 9, then
// growing in over the last second.
std::optional<float> title_size(const OverworldFrame& frame) {
    if (!frame.title_progress)
        return std::nullopt;
    return clamp01(*frame.title_progress - 9.0f);
}

// A ring thrown out of a cell as progress runs from 0 to 1: it widens and
// thins away to nothing.
void add_pop(std::vector<MeshVertex>& out, float x, float y, float progress) {
    const float p = clamp01(progress);
    if (p >= 1)
        return;
    const float outer = 0.35f + 0.4f * p;
    const float width = 0.09f * (1 - p) * (1 - p);
    add_ring(out, {x, y, 1}, outer - width, outer, 0.105f, kPopColour);
}

// Four arrowheads on the diagonals pointing in at the level, breathing in and
// out with the scenery phase, over a gold ring on a dark halo.
void add_cursor(std::vector<MeshVertex>& out, const Placement& at, float phase) {
    const float breath = 0.5f + 0.5f * std::sin(kFullTurn * phase);
    const float swell = 0.015f * breath;
    add_ring(out, at, 0.375f + swell, 0.485f + swell, 0.11f, kCursorHalo);
    add_ring(out, at, 0.395f + swell, 0.465f + swell, 0.12f, kCursorColour);

    const float tip_distance = 0.53f + 0.07f * breath;
    for (int k = 0; k < 4; ++k) {
        const float angle = kFullTurn * (0.125f + 0.25f * float(k));
        const float ux = std::cos(angle), uy = std::sin(angle); // outwards
        const float vx = -uy, vy = ux;                          // across
        auto arrow = [&](float grow, float height, Rgb colour) {
            const float tip = tip_distance - grow;
            const float base = tip_distance + 0.17f + grow;
            const float half = 0.11f + grow;
            add_flat(out, at.at(ux * tip, uy * tip, height), colour);
            add_flat(out, at.at(ux * base - vx * half, uy * base - vy * half, height), colour);
            add_flat(out, at.at(ux * base + vx * half, uy * base + vy * half, height), colour);
        };
        arrow(0.03f, 0.2f, kCursorHalo);
        arrow(0, 0.21f, kCursorColour);
    }
}

} // namespace

std::optional<MarkerLook> level_marker(const OverworldFrame& frame, std::size_t index) {
    const OverworldEntry& entry = frame.levels[index];
    MarkerLook look;
    switch (entry.state) {
    case State::Completed:
        look.colour = kCompletedMarker;
        break;
    case State::Available:
        look.colour = kAvailableMarker;
        break;
    case State::Hidden:
    case State::Locked:
        return std::nullopt;
    }
    if (frame.completing_progress && index == frame.selected) {
        const float p = clamp01(*frame.completing_progress);
        const float grey = 204 * p + 44 * (1 - p);
        const auto g = static_cast<std::uint8_t>(grey);
        look.colour = {g, g, g};
    }
    const Pos cell{entry.x, entry.y};
    if (std::find(frame.revealed_cells.begin(), frame.revealed_cells.end(), cell) !=
        frame.revealed_cells.end())
        look.size = clamp01(frame.reveal_progress);
    if (const auto title = title_size(frame))
        look.size = *title;
    return look;
}

std::size_t build_map_markers(const OverworldFrame& frame, std::vector<MeshVertex>& out) {
    out.clear();
    for (std::size_t i = 0; i < frame.levels.size(); ++i) {
        const auto look = level_marker(frame, i);
        if (!look || look->size <= 0)
            continue;
        const Placement at = cell_placement(frame.levels[i], look->size);
        add_disc(out, at, 0.33f, 0.1f, look->colour);
        add_ring(out, at, 0.33f, 0.35f, 0.1f, scaled(look->colour, 0.7f));
    }

    for (const Pos& cell : frame.revealed_cells)
        add_pop(out, cell.x, cell.y, frame.reveal_progress);
    if (frame.selected >= frame.levels.size())
        return out.size();
    const OverworldEntry& selected = frame.levels[frame.selected];
    if (frame.completing_progress)
        add_pop(out, selected.x, selected.y, *frame.completing_progress);

    const std::size_t cursor_at = out.size();
    const float cursor_size = title_size(frame).value_or(1.0f);
    if (cursor_size > 0)
        add_cursor(out, cell_placement(selected, cursor_size), frame.scenery_phase);
    return cursor_at;
}

} // namespace coilwend
