#pragma once
// The in-game menu: the main page, the two confirmations, the controls
// screen and the credits pages, as one immediate-mode state machine. Called
// once per input event (it hit-tests) and once per frame without one (it
// queues its drawing); it needs no SDL or GL, only the widgets.

#include "input/keymap.hpp"
#include "scene/menu_state.hpp"
#include "ui/ui_context.hpp"
#include "ui/ui_event.hpp"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace coilwend {

// What the caller must do besides storing the next state.
enum class MenuEffect : std::uint8_t {
    None,
    ToggleSound,  // the sound item was chosen
    SaveSettings, // keymap() changed: write the settings file
};

struct MenuUpdate {
    std::optional<MenuState> next; // none: the menu closes and play resumes
    MenuEffect effect = MenuEffect::None;
};

struct MenuEnvironment {
    bool sound_muted = false;
    // A key's caption on the controls screen (the platform's key name).
    std::function<std::string(Keycode)> key_name;
    std::string_view version; // shown under the main page's items
};

// `event` null queues the frame's drawing. Never called with Quit or
// ResetProgress; a rebinding changes keymap() before it returns.
MenuUpdate menu_update(const MenuState& state, UiContext& context, const UiEvent* event,
                       const MenuEnvironment& environment);

} // namespace coilwend
