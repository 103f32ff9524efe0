#pragma once
// The keyboard bindings: fifteen keycodes, one per binding slot, with fixed
// names that double as settings keys. Keycodes are SDL 2 keycodes held as
// plain numbers so the rules and their tests need no SDL headers.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace coilwend {

using Keycode = std::int32_t;

// Slot order is the settings file's order and the controls screen's order.
enum class Binding : std::uint8_t {
    Up,
    Up2,
    Down,
    Down2,
    Left,
    Left2,
    Right,
    Right2,
    Undo,
    Reset,
    CycleForward,
    CycleForward2,
    CycleBackward,
    Enter,
    Exit,
    Hint,
};
inline constexpr std::size_t kBindingCount = 16;

// The SDL keycodes the game refers to by value.
namespace keycode {
inline constexpr Keycode kNone = 0;
inline constexpr Keycode kTab = 0x09;
inline constexpr Keycode kReturn = 0x0D;
inline constexpr Keycode kEscape = 0x1B;
inline constexpr Keycode kA = 'a', kD = 'd', kE = 'e', kH = 'h', kQ = 'q', kR = 'r', kS = 's',
                         kW = 'w', kY = 'y', kZ = 'z';
inline constexpr Keycode kF11 = 0x40000044;
inline constexpr Keycode kRight = 0x4000004F;
inline constexpr Keycode kLeft = 0x40000050;
inline constexpr Keycode kDown = 0x40000051;
inline constexpr Keycode kUp = 0x40000052;
// The Android back key: always Exit during level play and always closes a menu.
inline constexpr Keycode kAcBack = 0x4000010E;
} // namespace keycode

struct Keymap {
    std::array<Keycode, kBindingCount> keys{};

    Keycode operator[](Binding slot) const { return keys[static_cast<std::size_t>(slot)]; }
    Keycode& operator[](Binding slot) { return keys[static_cast<std::size_t>(slot)]; }
    // A keycode of 0 never matches, so an unbound slot stays inert.
    bool matches(Binding slot, Keycode code) const { return code != 0 && (*this)[slot] == code; }
    friend bool operator==(const Keymap&, const Keymap&) = default;
};

// One row per slot, in slot order: everything the settings file and the
// controls screen need to know about a binding, kept in one table so neither
// lists the bindings on its own.
struct BindingRow {
    std::string_view settings_key; // "keymap.up", ...
    Keycode default_key;
    std::string_view caption; // the controls screen's row label; both slots of a row share it
    bool second_slot;         // the row's second key, shown beside the first
};
const std::array<BindingRow, kBindingCount>& binding_rows();
const BindingRow& binding_row(Binding slot);

Keymap default_keymap();

// The process-wide bindings, created with the defaults on first use and then
// changed by the settings file and the controls screen.
Keymap& keymap();

// "up", "cycle_forward2", ...
std::string_view binding_name(Binding slot);
// The settings key: "keymap." followed by the name.
std::string_view binding_settings_key(Binding slot);

} // namespace coilwend
