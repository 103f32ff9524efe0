#include "settings/reportable_keycodes.hpp"

namespace coilwend {

bool is_reportable_keycode(Keycode code) {
    if (code <= 0)
        return false;
    if ((code & kScancodeKeyBit) != 0) {
        const Keycode scancode = code & ~kScancodeKeyBit;
        return scancode > 0 && scancode < kScancodeCount;
    }
    // Keys of other layouts type any character: the keycode is its code point.
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code <= 0x10FFFF && !surrogate;
}

} // namespace coilwend
