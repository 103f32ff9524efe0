#include "main/keymap.hpp"

namespace coilwend {
namespace {

struct SlotInfo {
    std::string_view settings_key;
    Keycode default_key;
};

constexpr std::string_view kPrefix = "keymap.";

constexpr std::array<SlotInfo, kBindingCount> kSlots{{
    {"keymap.up", keycode::kUp},
    {"keymap.up2", keycode::kW},
    {"keymap.down", keycode::kDown},
    {"keymap.down2", keycode::kS},
    {"keymap.left", keycode::kLeft},
    {"keymap.left2", keycode::kA},
    {"keymap.right", keycode::kRight},
    {"keymap.right2", keycode::kD},
    {"keymap.undo", keycode::kZ},
    {"keymap.reset", keycode::kR},
    {"keymap.cycle_forward", keycode::kE},
    {"keymap.cycle_forward2", keycode::kTab},
    {"keymap.cycle_backward", keycode::kQ},
    {"keymap.enter", keycode::kReturn},
    {"keymap.exit", keycode::kEscape},
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

std::string_view binding_settings_key(Binding slot) {
    return kSlots[static_cast<std::size_t>(slot)].settings_key;
}

std::string_view binding_name(Binding slot) {
    return binding_settings_key(slot).substr(kPrefix.size());
}

} // namespace coilwend
