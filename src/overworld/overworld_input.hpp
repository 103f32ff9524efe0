#pragma once
// What a key or controller button means on the overworld map. The overworld
// compares fewer bindings than level play, and in its own order: exit first
// (so a key bound to exit and something else opens the menu), then the four
// moves, then enter (so a key bound to up and enter moves the selection).

#include "input/input_event.hpp"
#include "input/keymap.hpp"
#include "overworld/overworld.hpp"

#include <cstdint>

namespace coilwend {

enum class OverworldCommand : std::uint8_t { None, OpenMenu, Up, Down, Left, Right, Enter };

OverworldCommand overworld_key_command(Keycode key, const Keymap& keys);
// A enters, Start opens the menu, the d-pad moves; other buttons do nothing.
OverworldCommand overworld_button_command(ControllerButton button);

enum class OverworldActionKind : std::uint8_t {
    None,
    Press,         // press_map_move(move, source)
    Release,       // release_map_move(move)
    ReleaseStickX, // the stick is back inside the threshold: end a held Left or Right
    ReleaseStickY, // likewise for Up or Down
    Enter,
    OpenMenu,
};

struct OverworldAction {
    OverworldActionKind kind = OverworldActionKind::None;
    MapMove move = MapMove::Left;
    PressSource source = PressSource::Button;
    friend bool operator==(const OverworldAction&, const OverworldAction&) = default;
};

// Which left-stick axes and triggers were last seen beyond the threshold:
// each releases its hold only when it comes back from there.
struct MapStickPush {
    bool horizontal = false;
    bool vertical = false;
    bool left_trigger = false;
    bool right_trigger = false;
};

// What one key, controller button or axis event means on the overworld.
OverworldAction overworld_action(MapStickPush& stick, const InputEvent& event, const Keymap& keys);

} // namespace coilwend
