#include "ui/menu.hpp"

#include "ui/widgets.hpp"

#include <algorithm>
#include <array>
#include <span>
#include <string_view>

namespace coilwend {
namespace {

constexpr Rgb3 kWhite{1, 1, 1};
constexpr Rgb3 kDim{0.3f, 0.3f, 0.3f};
constexpr Rgb3 kCloseGrey{0.8f, 0.8f, 0.8f};
constexpr std::uint8_t kCloseIcon = 5;
constexpr float kCloseSize = 0.1f;

// ---- Input shared by every screen ----

// The event as a fresh key press, a controller button press or a stick move;
// the system's key repeat and keycode 0 count as nothing.
const InputEvent* player_input(const UiEvent* event) {
    const auto* input = event != nullptr ? std::get_if<InputEvent>(event) : nullptr;
    if (input == nullptr)
        return nullptr;
    switch (input->kind) {
    case InputKind::KeyDown:
        return input->auto_repeat || input->code == keycode::kNone ? nullptr : input;
    case InputKind::ButtonDown:
    case InputKind::AxisMotion:
        return input;
    default:
        return nullptr;
    }
}

bool key(const InputEvent& input, Binding slot) {
    return input.kind == InputKind::KeyDown && keymap().matches(slot, input.code);
}
bool key(const InputEvent& input, Binding slot, Binding second) {
    return key(input, slot) || key(input, second);
}
bool button(const InputEvent& input, ControllerButton which) {
    return input.kind == InputKind::ButtonDown && input.code == static_cast<std::int32_t>(which);
}
bool back(const InputEvent& input) {
    return key(input, Binding::Exit) || button(input, ControllerButton::B) ||
           button(input, ControllerButton::Back);
}
bool activate(const InputEvent& input) {
    return key(input, Binding::Enter) || button(input, ControllerButton::A);
}

bool clicked(ButtonResult result) {
    return result == ButtonResult::Clicked;
}

MenuUpdate stay(const MenuState& state, MenuEffect effect = MenuEffect::None) {
    return {state, effect};
}
MenuUpdate close_menu() {
    return {std::nullopt, MenuEffect::None};
}
MenuUpdate go(MenuScreen screen) {
    MenuState state;
    state.screen = screen;
    return {state, MenuEffect::None};
}

// ---- Main ----

struct MainItem {
    float y;
    std::uint8_t icon;
};
constexpr std::array<MainItem, kMainItems> kMainItemsLayout{{
    {0.09f, 3}, // sound: 3 on, 4 off
    {0.25f, 10},
    {0.37f, 6},
    {0.56f, 7},
    {0.74f, 9},
}};
constexpr std::uint8_t kSoundOffIcon = 4;
enum MainItemIndex : std::uint8_t { kSound, kControls, kReset, kCredits, kExit };

MenuState confirmation(MenuScreen screen, bool keyboard_mode) {
    MenuState state;
    state.screen = screen;
    state.keyboard_mode = keyboard_mode;
    state.highlight = keyboard_mode ? 1 : 0; // from the keys "Yep" comes first
    return state;
}

MenuUpdate choose_main_item(const MenuState& state, std::uint8_t item, bool keyboard_mode) {
    switch (item) {
    case kSound:
        return stay(state, MenuEffect::ToggleSound);
    case kControls:
        return go(MenuScreen::Controls);
    case kReset:
        return {confirmation(MenuScreen::ConfirmReset, keyboard_mode), MenuEffect::None};
    case kCredits:
        return go(MenuScreen::Credits);
    default:
        return {confirmation(MenuScreen::ConfirmExit, keyboard_mode), MenuEffect::None};
    }
}

// Next and previous wrap; the first step from the mouse lands on an end.
MenuState step_selection(const MenuState& state, bool forward) {
    MenuState next = state;
    if (!state.keyboard_mode)
        next.selection = forward ? 0 : kMainItems - 1;
    else
        next.selection = static_cast<std::uint8_t>(
            (state.selection + (forward ? 1 : kMainItems - 1)) % kMainItems);
    next.keyboard_mode = true;
    return next;
}

MenuUpdate update_main(const MenuState& state, UiContext& context, const UiEvent* event,
                       const MenuEnvironment& environment) {
    if (event == nullptr)
        panel(context, 0.3f, 0.85f);
    std::optional<MenuUpdate> result;
    for (std::uint8_t item = 0; item < kMainItems; ++item) {
        const MainItem& layout = kMainItemsLayout[item];
        const std::uint8_t icon_index =
            item == kSound && environment.sound_muted ? kSoundOffIcon : layout.icon;
        const Rgb3 colour = !state.keyboard_mode || state.selection == item ? kWhite : kDim;
        if (clicked(icon_button(context, event, 0.5f, layout.y, 0.15f, icon_index,
                                ButtonUse::Enabled, colour)) &&
            !result)
            result = choose_main_item(state, item, false);
    }
    // The close button hugs the panel's left edge, which moves in a tall window.
    const UiSize size = event == nullptr ? context.drawable_size : context.window_size;
    const float aspect = size.width == 0 ? 1.0f : float(size.height) / float(size.width);
    if (clicked(icon_button(context, event, 0.35f + 0.02f * std::min(1.0f, aspect), 0.1f,
                            kCloseSize, kCloseIcon, ButtonUse::Enabled, kCloseGrey)) &&
        !result)
        result = close_menu();
    if (event == nullptr)
        text(context, 0.5f, 0.895f, 0.03f, TextShadow::None, TextAlign::Centred, 1.0f,
             environment.version);
    if (result)
        return *result;

    const InputEvent* input = player_input(event);
    if (input == nullptr)
        return stay(state);
    if (input->kind == InputKind::AxisMotion) {
        const auto pushed = stick_latch_step(context.stick_latch, stick_users::kMainMenu, *input);
        if (pushed == StickDirection::Down || pushed == StickDirection::Up)
            return stay(step_selection(state, pushed == StickDirection::Down));
        return stay(state);
    }
    if (key(*input, Binding::Down, Binding::Down2) || button(*input, ControllerButton::DpadDown))
        return stay(step_selection(state, true));
    if (key(*input, Binding::Up, Binding::Up2) || button(*input, ControllerButton::DpadUp))
        return stay(step_selection(state, false));
    if (activate(*input) && state.keyboard_mode)
        return choose_main_item(state, state.selection, true);
    if (back(*input))
        return close_menu();
    return stay(state);
}

// ---- The two confirmations ----

MenuUpdate update_confirmation(const MenuState& state, UiContext& context, const UiEvent* event) {
    const bool reset = state.screen == MenuScreen::ConfirmReset;
    // Backing out with the keys returns to the item that asked.
    const MenuUpdate back_to_item{main_menu(true, reset ? kReset : kExit), MenuEffect::None};
    const MenuUpdate yes = reset ? go(MenuScreen::ResetProgress) : go(MenuScreen::Quit);

    if (event == nullptr) {
        panel(context, 0.95f, 0.95f);
        if (reset) {
            text(context, 0.5f, 0.3f, 0.15f, TextShadow::None, TextAlign::Centred, 1.0f,
                 "Reset all progress?");
        } else {
            text(context, 0.5f, 0.25f, 0.25f, TextShadow::None, TextAlign::Centred, 1.0f, "Exit?");
            text(context, 0.5f, 0.45f, 0.05f, TextShadow::None, TextAlign::Centred, 1.0f,
                 "All progress has been automatically saved");
        }
    }
    const auto colour = [&](std::uint8_t which) {
        return !state.keyboard_mode || state.highlight == which ? kWhite : kDim;
    };
    const bool nope = clicked(text_button(context, event, 0.3f, 0.6f, 0.1f, colour(0), "Nope"));
    const bool yep = clicked(text_button(context, event, 0.7f, 0.6f, 0.1f, colour(1), "Yep"));
    if (nope)
        return reset ? MenuUpdate{main_menu(false), MenuEffect::None} : close_menu();
    if (yep)
        return yes;

    const InputEvent* input = player_input(event);
    if (input == nullptr)
        return stay(state);
    MenuState next = state;
    const auto highlight = [&](std::uint8_t which) {
        next.keyboard_mode = true;
        next.highlight = which;
        return stay(next);
    };
    if (input->kind == InputKind::AxisMotion) {
        const auto pushed =
            stick_latch_step(context.stick_latch, stick_users::kConfirmation, *input);
        if (pushed == StickDirection::Left || pushed == StickDirection::Right)
            return highlight(pushed == StickDirection::Right ? 1 : 0);
        return stay(state);
    }
    if (key(*input, Binding::Left, Binding::Left2) || button(*input, ControllerButton::DpadLeft))
        return highlight(0);
    if (key(*input, Binding::Right, Binding::Right2) || button(*input, ControllerButton::DpadRight))
        return highlight(1);
    if (activate(*input) && state.keyboard_mode)
        return state.highlight == 1 ? yes : back_to_item;
    if (back(*input))
        return back_to_item;
    return stay(state);
}

// ---- Controls ----

constexpr float kRowTop = 0.04f;
constexpr float kRowStep = 0.075f; // eleven rows above "Reset to defaults"
constexpr float kKeySize = 0.07f;

MenuUpdate update_controls(const MenuState& entry, UiContext& context, const UiEvent* event,
                           const MenuEnvironment& environment) {
    MenuState state = entry;
    if (event != nullptr && state.waiting) {
        const auto* pointer = std::get_if<PointerEvent>(event);
        const auto* input = std::get_if<InputEvent>(event);
        if (pointer != nullptr && pointer->kind == PointerEvent::Kind::Press) {
            state.waiting = false; // the click may start another binding at once
        } else if (input != nullptr && input->kind == InputKind::KeyDown && !input->auto_repeat &&
                   input->code != keycode::kNone) {
            // Before every other meaning of the key, so even Exit can be bound.
            keymap().keys[state.slot] = input->code;
            state.waiting = false;
            return stay(state, MenuEffect::SaveSettings);
        }
    }

    if (event == nullptr)
        panel(context, 0.8f, 0.95f);
    std::optional<MenuUpdate> result;
    if (clicked(icon_button(context, event, 0.125f, 0.05f, kCloseSize, kCloseIcon,
                            ButtonUse::Enabled, kWhite)))
        result = MenuUpdate{main_menu(false), MenuEffect::None};

    float y = kRowTop - kRowStep;
    const auto& rows = binding_rows();
    for (std::size_t slot = 0; slot < rows.size(); ++slot) {
        const BindingRow& row = rows[slot];
        if (!row.second_slot) {
            y += kRowStep;
            if (event == nullptr)
                text(context, 0.3f, y, kKeySize, TextShadow::None, TextAlign::Left, 1.0f,
                     row.caption);
        }
        const Keycode code = keymap().keys[slot];
        const std::string caption = state.waiting && state.slot == slot ? std::string("...")
                                    : environment.key_name              ? environment.key_name(code)
                                                                        : std::to_string(code);
        if (clicked(text_button(context, event, row.second_slot ? 0.7f : 0.6f, y, kKeySize, kWhite,
                                caption)) &&
            !result) {
            MenuState waiting = state;
            waiting.waiting = true;
            waiting.slot = static_cast<std::uint8_t>(slot);
            result = stay(waiting);
        }
    }
    if (clicked(text_button(context, event, 0.65f, 0.9f, kKeySize, kWhite, "Reset to defaults")) &&
        !result) {
        keymap() = default_keymap();
        result = stay(state, MenuEffect::SaveSettings);
    }
    if (result)
        return *result;
    const InputEvent* input = player_input(event);
    if (input != nullptr && back(*input))
        return {main_menu(true, kControls), MenuEffect::None};
    return stay(state);
}

// ---- Credits ----

struct CreditLine {
    float y, size;
    std::string_view text;
};

constexpr std::array<CreditLine, 2> kGameBy{{
    {0.2f, 0.1f, "A game by"},
    {0.4f, 0.2f, "the Coilwend team"},
}};
constexpr std::array<CreditLine, 4> kLevelDesign{{
    {0.1f, 0.1f, "Additional level design by"},
    {0.28f, 0.2f, "the Coilwend team"},
    {0.53f, 0.07f, "and"},
    {0.68f, 0.2f, "our puzzle solver"},
}};
constexpr std::array<CreditLine, 7> kTesters{{
    {0.1f, 0.1f, "<3 to my beta testers"},
    {0.25f, 0.1f, "everyone who played"},
    {0.35f, 0.1f, "the early builds,"},
    {0.45f, 0.1f, "got the snakes stuck,"},
    {0.55f, 0.1f, "found the way out,"},
    {0.65f, 0.1f, "and told us"},
    {0.75f, 0.1f, "where it hurt"},
}};
constexpr std::array<CreditLine, 4> kIcons{{
    {0.1f, 0.1f, "Icons from"},
    {0.25f, 0.1f, "tabler.io/icons"},
    {0.4f, 0.1f, "and"},
    {0.55f, 0.1f, "the Coilwend team"},
}};
constexpr std::array<CreditLine, 2> kFont{{
    {0.2f, 0.1f, "Comfortaa"},
    {0.4f, 0.1f, "\xC2\xA9 2011 The Comfortaa Project Authors"},
}};
constexpr std::array<CreditLine, 3> kMusic{{
    {0.2f, 0.1f, "Music by"},
    {0.4f, 0.1f, "the Coilwend team"},
    {0.5f, 0.1f, "Instruments: FluidR3 GM soundfont, MIT licence"},
}};
constexpr std::array<CreditLine, 11> kSounds{{
    {0.1f, 0.1f, "Sound effects made by the Coilwend team"},
    {0.18f, 0.07f, "Slithers: soft grains of filtered noise"},
    {0.25f, 0.07f, "Bite: a crunch and a rising gulp"},
    {0.32f, 0.07f, "Shrink: a falling pop and a hiss"},
    {0.39f, 0.07f, "Vanish: a little puff of dust"},
    {0.46f, 0.07f, "Undo and reset: tape spooling backwards"},
    {0.53f, 0.07f, "Splash: a slap and bursting drops"},
    {0.6f, 0.07f, "Bump: a dull thud"},
    {0.67f, 0.07f, "Exit: a slurp and a bright arpeggio"},
    {0.74f, 0.07f, "Targets: light ticks and two-note chimes"},
    {0.81f, 0.07f, "All synthesised in Python, no recordings"},
}};
const std::array<std::span<const CreditLine>, kCreditsPages> kCreditPages{
    kGameBy, kLevelDesign, kTesters, kIcons, kFont, kMusic, kSounds};

MenuUpdate update_credits(const MenuState& state, UiContext& context, const UiEvent* event) {
    if (event == nullptr) {
        panel(context, 0.95f, 0.95f);
        for (const CreditLine& line : kCreditPages[state.page])
            text(context, 0.5f, line.y, line.size, TextShadow::None, TextAlign::Centred, 1.0f,
                 line.text);
    }
    std::optional<MenuUpdate> result;
    if (clicked(icon_button(context, event, 0.05f, 0.05f, kCloseSize, kCloseIcon,
                            ButtonUse::Enabled, kWhite)))
        result = MenuUpdate{main_menu(false), MenuEffect::None};
    // The pages do not wrap: the first has no previous arrow, the last no next.
    MenuState turned = state;
    if (state.page > 0 && previous_arrow(context, context.stick_latch, event) && !result) {
        turned.page = static_cast<std::uint8_t>(state.page - 1);
        result = stay(turned);
    }
    if (state.page + 1 < kCreditsPages && next_arrow(context, context.stick_latch, event) &&
        !result) {
        turned.page = static_cast<std::uint8_t>(state.page + 1);
        result = stay(turned);
    }
    if (result)
        return *result;
    const InputEvent* input = player_input(event);
    if (input != nullptr && back(*input))
        return {main_menu(true, kCredits), MenuEffect::None};
    return stay(state);
}

} // namespace

MenuUpdate menu_update(const MenuState& state, UiContext& context, const UiEvent* event,
                       const MenuEnvironment& environment) {
    switch (state.screen) {
    case MenuScreen::Main:
        return update_main(state, context, event, environment);
    case MenuScreen::ConfirmReset:
    case MenuScreen::ConfirmExit:
        return update_confirmation(state, context, event);
    case MenuScreen::Controls:
        return update_controls(state, context, event, environment);
    case MenuScreen::Credits:
        return update_credits(state, context, event);
    case MenuScreen::Quit:
    case MenuScreen::ResetProgress:
        break;
    }
    return stay(state); // the caller acts on these and never draws them
}

} // namespace coilwend
