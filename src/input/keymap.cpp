#include "input/keymap.hpp"

namespace coilwend {
namespace {

constexpr std::string_view kPrefix = "keymap.";
constexpr bool kFirst = false, kSecond = true;

constexpr std::array<BindingRow, kBindingCount> kSlots{{
    {"keymap.up", keycode::kUp, "Up", kFirst},
    {"keymap.up2", keycode::kW, "Up", kSecond},
    {"keymap.down", keycode::kDown, "Down", kFirst},
    {"keymap.down2", keycode::kS, "Down", kSecond},
    {"keymap.left", keycode::kLeft, "Left", kFirst},
    {"keymap.left2", keycode::kA, "Left", kSecond},
    {"keymap.right", keycode::kRight, "Right", kFirst},
    {"keymap.right2", keycode::kD, "Right", kSecond},
    {"keymap.undo", keycode::kZ, "Undo", kFirst},
    {"keymap.reset", keycode::kR, "Reset", kFirst},
    {"keymap.cycle_forward", keycode::kE, "Next", kFirst},
    {"keymap.cycle_forward2", keycode::kTab, "Next", kSecond},
    {"keymap.cycle_backward", keycode::kQ, "Previous", kFirst},
    {"keymap.enter", keycode::kReturn, "Enter", kFirst},
    {"keymap.exit", keycode::kEscape, "Exit", kFirst},
    {"keymap.hint", keycode::kH, "Hint", kFirst},
}};

} // namespace

Keymap default_keymap() {
    Keymap map;
    for (std::size_t i = 0; i < kBindingCount; ++i)
        map.keys[i] = kSlots[i].default_key;
    return map;
}

Keymap& keymap() {
    static Keymap instance = default_keymap();
    return instance;
}

const std::array<BindingRow, kBindingCount>& binding_rows() {
    return kSlots;
}

const BindingRow& binding_row(Binding slot) {
    return kSlots[static_cast<std::size_t>(slot)];
}

std::string_view binding_settings_key(Binding slot) {
    return binding_row(slot).settings_key;
}

std::string_view binding_name(Binding slot) {
    return binding_settings_key(slot).substr(kPrefix.size());
}

} // namespace coilwend
