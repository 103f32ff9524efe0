#pragma once
// The keycodes SDL 2 gives a name to. A binding read from the settings file
// must be one of them, so a hand-edited file cannot bind a key no keyboard
// can report (or 0, which would leave the command unreachable).

#include "input/keymap.hpp"

namespace coilwend {

bool is_defined_keycode(Keycode code);

} // namespace coilwend
