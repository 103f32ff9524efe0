#pragma once
// What a key or controller button means on the overworld map. The overworld
// compares fewer bindings than level play, and in its own order: exit first
// (so a key bound to exit and something else opens the menu), then the four
// moves, then enter (so a key bound to up and enter moves the selection).

#include "main/input_event.hpp"
#include "main/keymap.hpp"

#include <cstdint>

namespace coilwend {

enum class OverworldCommand : std::uint8_t { None, OpenMenu, Up, Down, Left, Right, Enter };

OverworldCommand overworld_key_command(Keycode key, const Keymap& keys);
// A enters, Start opens the menu, the d-pad moves; other buttons do nothing.
OverworldCommand overworld_button_command(ControllerButton button);

} // namespace coilwend
