#pragma once
// The keycodes SDL 2 can report for a key. The controls screen binds whatever
// key the player presses, so the settings reader must take back every one of
// them, while a hand-edited file still cannot bind 0 (which would leave the
// command unreachable) or a number no keyboard can send.

#include "input/keymap.hpp"

namespace coilwend {

// Keys without a character of their own report their scancode with this bit set.
inline constexpr Keycode kScancodeKeyBit = 1 << 30;
// How many scancodes SDL 2 counts; scancode 0 stands for an unknown key.
inline constexpr Keycode kScancodeCount = 512;

// A Unicode code point of a character (no surrogate, at most U+10FFFF) or a
// known scancode with kScancodeKeyBit set.
bool is_reportable_keycode(Keycode code);

} // namespace coilwend
