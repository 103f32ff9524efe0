#pragma once
// Which menu screen is open and what it remembers between calls: a plain
// record, so the scene can hold it without knowing the widgets.

#include <cstdint>

namespace coilwend {

enum class MenuScreen : std::uint8_t {
    Main = 0,
    ConfirmReset = 1,
    ConfirmExit = 2,
    Quit = 3,          // handed back to the caller, never drawn
    ResetProgress = 4, // likewise
    Controls = 5,
    Credits = 6, // pages 0 to 6 in `page`
};

inline constexpr std::uint8_t kMainItems = 5;
inline constexpr std::uint8_t kCreditsPages = 7;

struct MenuState {
    MenuScreen screen = MenuScreen::Main;
    // Main and the confirmations: driven by keys or a controller, so one
    // item is highlighted.
    bool keyboard_mode = false;
    std::uint8_t selection = 0; // Main: item 0 to 4
    std::uint8_t highlight = 0; // confirmations: 0 "Nope", 1 "Yep"
    bool waiting = false;       // Controls: the next key press is bound to `slot`
    std::uint8_t slot = 0;
    std::uint8_t page = 0; // Credits

    friend bool operator==(const MenuState&, const MenuState&) = default;
};

inline MenuState main_menu(bool keyboard_mode, std::uint8_t selection = 0) {
    MenuState state;
    state.keyboard_mode = keyboard_mode;
    state.selection = selection;
    return state;
}

} // namespace coilwend
