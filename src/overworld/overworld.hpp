#pragma once
// The overworld's rules: the entries and the selection, the camera, the
// held direction and the mouse drag, and what each player input does to
// them. Plain records and free functions; the scene flow (Game) decides when
// they run, and the shell translates SDL events into these calls.

#include "game/geometry.hpp"
#include "overworld/catalogue.hpp"
#include "overworld/map_camera.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

// What a held input repeats. The values are the held-direction codes.
enum class MapMove : std::uint8_t {
    Left = 0,
    Right = 1,
    Up = 2,
    Down = 3,
    ZoomIn = 4,
    ZoomOut = 5
};

// Keys, d-pad buttons and triggers are ignored only while the same move is
// held; a stick is ignored while anything is held, so a drifting stick
// cannot take over a held key.
enum class PressSource : std::uint8_t { Button, Stick };

struct MapHold {
    bool active = false;
    std::uint32_t counter = 0; // passes left before the next repeat
    MapMove move = MapMove::Left;
    PressSource source = PressSource::Button; // a stick ends only its own hold
};

enum class DragPhase : std::uint8_t { None, Pressed, Dragging };

struct MapDrag {
    DragPhase phase = DragPhase::None;
    float press_x = 0, press_y = 0; // window units
    Vec3 grabbed;                   // the floor point that stays under the pointer
};

struct Overworld {
    std::vector<OverworldEntry> levels;
    std::size_t selected = 0; // never a hidden entry
    MapCamera camera;
    MapHold hold;
    MapDrag drag;
};

// The table with its selection, viewed from close by with the selected
// entry in the middle (as far as the view limits allow).
Overworld make_overworld(std::vector<OverworldEntry> levels, std::size_t selected,
                         const MapScreen& screen);

// Where the view looks at an entry from.
Vec3 entry_centre(const OverworldEntry& entry);
// The music setting (0..4) of an entry's level.
std::uint8_t entry_setting(const OverworldEntry& entry);

// Moves the selection to the first selectable entry on the neighbouring cell
// in that direction, if any, and points the camera target at it. Returns
// whether the selection changed.
bool move_selection(Overworld& world, MapMove move, const MapScreen& screen);

// A move or zoom input going down: acts at once and starts the hold (25
// passes to the first repeat of a move, 1 for a zoom), unless ignored. A
// stick may turn its own hold to the other direction of the same axis.
void press_map_move(Overworld& world, MapMove move, PressSource source, const MapScreen& screen);
// An input coming back up ends the hold when its move is the held one.
void release_map_move(Overworld& world, MapMove move);
// The stick back inside the threshold on one axis: ends the hold the stick
// started on that axis, never one a key or button started.
void release_map_stick(Overworld& world, bool horizontal);
// One pass of the hold: repeats the held move when its counter runs out.
void repeat_map_move(Overworld& world, const MapScreen& screen);
// False while a held direction may still move the selection on.
bool selection_at_rest(const Overworld& world);

// The zoom factor of one wheel event: 1 + 0.1 per notch up to 1.5, or 0.5
// when the wheel turns down by more than 5.
float wheel_factor(std::int32_t amount);
void wheel_zoom(Overworld& world, const MapScreen& screen, std::int32_t amount, float px, float py);

// The left button. A press that moves fewer than 11 units (across plus up
// and down) before its release is a click; further, the map follows the pointer.
enum class MapClick : std::uint8_t { None, EnterSelected, Selected };
void map_pointer_pressed(Overworld& world, const MapScreen& screen, float px, float py);
void map_pointer_moved(Overworld& world, const MapScreen& screen, float px, float py);
MapClick map_pointer_released(Overworld& world, const MapScreen& screen, float px, float py);

// The entry the selection goes to after a reveal: the first neighbour of the
// selected entry, in catalogue order, that is not completed.
std::optional<std::size_t> automatic_selection(const std::vector<OverworldEntry>& levels,
                                               std::size_t selected);

} // namespace coilwend
