#include "settings/defined_keycodes.hpp"

#include <algorithm>
#include <array>

namespace coilwend {
namespace {

struct CodeRange {
    Keycode first, last; // inclusive
};

// Keys without a character of their own are their scancode with this bit set.
constexpr Keycode kScancodeBit = 1 << 30;

// Keys that type a character use its ASCII code; SDL names no capitals and
// none of "{|}~".
constexpr std::array<CodeRange, 6> kCharacterKeys{{
    {8, 9},    // backspace, tab
    {13, 13},  // return
    {27, 27},  // escape
    {32, 64},  // space to "@": punctuation and digits
    {91, 122}, // "[" to "z": brackets, backslash, caret, underscore, backquote, letters
    {127, 127} // delete
}};

// Scancodes whose key has a keycode of its own. Delete (76) is missing
// because it uses the character code above; the gaps are scancodes SDL
// leaves unnamed (international and language keys, locking keys, reserved).
constexpr std::array<CodeRange, 8> kScancodeKeys{{
    {57, 75},   // caps lock, F1-F12, print screen to page up
    {77, 99},   // end, page down, arrows, num lock and the keypad
    {101, 129}, // application, power, keypad "=", F13-F24, editing and volume keys
    {133, 134}, // keypad comma and keypad "=" (AS/400)
    {153, 164}, // alt erase to ex sel
    {176, 221}, // keypad extras: "00", separators, hex digits, memory keys
    {224, 231}, // left and right control, shift, alt and GUI
    {257, 282}, // mode switch, media, browser and hardware control keys
}};

template <std::size_t N> bool in_ranges(const std::array<CodeRange, N>& ranges, Keycode code) {
    return std::ranges::any_of(ranges,
                               [code](CodeRange r) { return code >= r.first && code <= r.last; });
}

} // namespace

bool is_defined_keycode(Keycode code) {
    if ((code & kScancodeBit) != 0)
        return (code & ~kScancodeBit) >= 0 && in_ranges(kScancodeKeys, code & ~kScancodeBit);
    return in_ranges(kCharacterKeys, code);
}

} // namespace coilwend
