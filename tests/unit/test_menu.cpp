// The menu as the player drives it: clicks, keys, the D-pad and the stick,
// through every screen, checked by the state each input leads to.

#include "ui/menu.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>
#include <vector>

namespace coilwend {
namespace {

class Menu : public ::testing::Test {
  protected:
    Menu() {
        context.window_size = {800, 600};
        context.drawable_size = {800, 600};
        context.font = &*font;
        // Short captions, as the platform's key names mostly are.
        environment.key_name = [](Keycode code) { return "#" + std::to_string(code % 100); };
    }
    ~Menu() override { keymap() = default_keymap(); }

    MenuUpdate send(const MenuState& state, const UiEvent& event) {
        return menu_update(state, context, &event, environment);
    }
    // Feeds events in turn, failing if the menu closes on the way.
    MenuState drive(MenuState state, std::initializer_list<UiEvent> events) {
        for (const UiEvent& event : events) {
            const MenuUpdate update = send(state, event);
            EXPECT_TRUE(update.next) << "closed early";
            if (!update.next)
                return state;
            state = *update.next;
        }
        return state;
    }
    // Press and release at one point; the result of the release.
    MenuUpdate click(const MenuState& state, int x, int y) {
        const MenuUpdate pressed = send(state, PointerEvent{PointerEvent::Kind::Press, x, y});
        if (!state.waiting) { // a press ends a wait
            EXPECT_EQ(pressed.next, state) << "a press alone changes nothing";
        }
        const MenuUpdate released = send(state, PointerEvent{PointerEvent::Kind::Release, x, y});
        context.pointer_state = PointerState::Idle; // the end-of-frame pass
        return released;
    }
    static UiEvent key(Keycode code) { return InputEvent::key_down(code); }
    static UiEvent pad(ControllerButton button) { return InputEvent::button_down(button); }
    static UiEvent stick_y(std::int16_t value) {
        return InputEvent::axis(ControllerAxis::LeftY, value);
    }

    static inline const std::optional<Font> font = Font::load(embedded_font_ttf());
    UiContext context;
    MenuEnvironment environment{false, {}, "1.0.0"};
};

MenuState screen(MenuScreen which, bool keyboard_mode = false, std::uint8_t highlight = 0) {
    MenuState state;
    state.screen = which;
    state.keyboard_mode = keyboard_mode;
    state.highlight = highlight;
    return state;
}

TEST_F(Menu, MainNavigationWrapsAndStartsAtAnEndAfterTheMouse) {
    EXPECT_EQ(drive(main_menu(false), {key(keycode::kDown)}), main_menu(true, 0));
    EXPECT_EQ(drive(main_menu(false), {key(keycode::kUp)}), main_menu(true, 4));
    EXPECT_EQ(drive(main_menu(true, 2), {key(keycode::kDown), key('s'), key(keycode::kDown),
                                         pad(ControllerButton::DpadDown), key(keycode::kDown)}),
              main_menu(true, 2))
        << "five steps down come back round";
    EXPECT_EQ(drive(main_menu(true, 0), {pad(ControllerButton::DpadUp)}), main_menu(true, 4));
    // The stick steps once per push and again only after the centre; the
    // latch outlives the call, so the second push starts by centring it.
    EXPECT_EQ(drive(main_menu(true, 0), {stick_y(20000), stick_y(32767), stick_y(16383)}),
              main_menu(true, 1));
    EXPECT_EQ(
        drive(main_menu(true, 0), {stick_y(0), stick_y(20000), stick_y(100), stick_y(-16384)}),
        main_menu(true, 0));
    EXPECT_EQ(drive(main_menu(true, 3), {InputEvent::key_repeat(keycode::kDown)}),
              main_menu(true, 3))
        << "the system's key repeat is not a press";
    EXPECT_EQ(drive(main_menu(false, 3), {key(keycode::kReturn)}), main_menu(false, 3))
        << "nothing is highlighted to activate";
    EXPECT_FALSE(send(main_menu(true, 1), key(keycode::kEscape)).next);
    EXPECT_FALSE(send(main_menu(true, 1), pad(ControllerButton::Back)).next);
}

// At 800 x 600 the menu lies in the 16:9 frame 800 x 450 from y 75; icons
// are sized by its height.
TEST_F(Menu, MainItemsOpenTheirScreensAndTheSoundItemAsksForAToggle) {
    const MenuUpdate sound = click(main_menu(true, 3), 400, 140);
    EXPECT_EQ(sound.next, main_menu(true, 3));
    EXPECT_EQ(sound.effect, MenuEffect::ToggleSound);
    EXPECT_EQ(click(main_menu(false), 400, 215).next, screen(MenuScreen::Controls));
    EXPECT_EQ(click(main_menu(true, 0), 400, 290).next, screen(MenuScreen::ConfirmReset))
        << "a click opens the confirmation without a highlight";
    EXPECT_EQ(click(main_menu(false), 400, 360).next, screen(MenuScreen::Credits));
    EXPECT_EQ(click(main_menu(false), 368, 140).effect, MenuEffect::None)
        << "the item's edge is outside";

    environment.sound_muted = true;
    menu_update(main_menu(false), context, nullptr, environment);
    ASSERT_EQ(context.icon_queue.size(), 6u);
    EXPECT_EQ(context.icon_queue[0].icon, 4) << "the muted sound item shows the off icon";
    EXPECT_EQ(context.text_queue.items().size(), 1u) << "the version";
}

TEST_F(Menu, ConfirmationsHighlightYepFromTheKeysAndBackOutToTheirItem) {
    const MenuState asked = drive(main_menu(true, 2), {key(keycode::kReturn)});
    EXPECT_EQ(asked, screen(MenuScreen::ConfirmReset, true, 1));
    EXPECT_EQ(send(asked, key(keycode::kReturn)).next, screen(MenuScreen::ResetProgress));
    const MenuState nope = drive(asked, {key(keycode::kLeft)});
    EXPECT_EQ(send(nope, key(keycode::kReturn)).next, main_menu(true, 2));
    EXPECT_EQ(send(asked, pad(ControllerButton::B)).next, main_menu(true, 2));

    const MenuState exit = drive(main_menu(true, 4), {pad(ControllerButton::A)});
    EXPECT_EQ(exit, screen(MenuScreen::ConfirmExit, true, 1));
    EXPECT_EQ(send(exit, pad(ControllerButton::A)).next, screen(MenuScreen::Quit));
    EXPECT_EQ(send(exit, key(keycode::kEscape)).next, main_menu(true, 4));
    EXPECT_EQ(send(drive(exit, {key(keycode::kLeft)}), key(keycode::kReturn)).next,
              main_menu(true, 4))
        << "\"Nope\" from the keys goes back to the exit item, not to play";
    EXPECT_EQ(
        drive(screen(MenuScreen::ConfirmExit), {InputEvent::axis(ControllerAxis::LeftX, -30000)}),
        screen(MenuScreen::ConfirmExit, true, 0));
    EXPECT_EQ(drive(screen(MenuScreen::ConfirmExit), {key(keycode::kReturn)}),
              screen(MenuScreen::ConfirmExit))
        << "activating needs a highlight";

    // "Nope" at (0.3, 0.6), "Yep" at (0.7, 0.6), 45 pixels tall from y 345.
    EXPECT_FALSE(click(screen(MenuScreen::ConfirmExit), 240, 365).next) << "back to play";
    EXPECT_EQ(click(screen(MenuScreen::ConfirmReset), 240, 365).next, main_menu(false));
    EXPECT_EQ(click(screen(MenuScreen::ConfirmReset), 560, 365).next,
              screen(MenuScreen::ResetProgress));
    EXPECT_EQ(click(screen(MenuScreen::ConfirmExit), 560, 365).next, screen(MenuScreen::Quit));

    context.text_queue.clear();
    menu_update(screen(MenuScreen::ConfirmExit), context, nullptr, environment);
    std::vector<std::string_view> lines;
    for (const TextItem& item : context.text_queue.items())
        lines.push_back(context.text_queue.text(item));
    EXPECT_NE(std::find(lines.begin(), lines.end(), "All progress has been automatically saved"),
              lines.end());
}

TEST_F(Menu, RebindingChangesOneSlotAndAsksForASave) {
    // The second "Down" key at (0.75, 0.125): its face 27 pixels tall from y 131.
    const MenuUpdate chosen = click(screen(MenuScreen::Controls), 600, 145);
    ASSERT_TRUE(chosen.next);
    EXPECT_TRUE(chosen.next->waiting);
    EXPECT_EQ(chosen.next->slot, 3);
    const Keymap before = keymap();
    const MenuUpdate bound = send(*chosen.next, key('j'));
    EXPECT_EQ(bound.effect, MenuEffect::SaveSettings);
    EXPECT_FALSE(bound.next->waiting);
    EXPECT_EQ(keymap()[Binding::Down2], 'j');
    EXPECT_EQ(keymap()[Binding::Down], before[Binding::Down]);

    // While waiting, the exit key is bound rather than leaving; B leaves.
    MenuState waiting = *chosen.next;
    waiting.slot = 14;
    EXPECT_EQ(send(waiting, key('k')).next->screen, MenuScreen::Controls);
    EXPECT_EQ(keymap()[Binding::Exit], 'k');
    EXPECT_EQ(send(waiting, pad(ControllerButton::B)).next, main_menu(true, 1));
    EXPECT_EQ(send(waiting, InputEvent::key_up('q')).next, waiting) << "still waiting";

    // A click on another key moves the wait there: the first "Up" key.
    const MenuUpdate moved = click(waiting, 456, 105);
    ASSERT_TRUE(moved.next);
    EXPECT_TRUE(moved.next->waiting);
    EXPECT_EQ(moved.next->slot, 0);

    // Only the waiting key shows "..."; a controller button other than B
    // and a key without a code leave the wait pending.
    menu_update(waiting, context, nullptr, environment);
    std::vector<std::string_view> captions;
    for (const TextItem& item : context.text_queue.items())
        captions.push_back(context.text_queue.text(item));
    EXPECT_EQ(std::count(captions.begin(), captions.end(), "..."), 1);
    EXPECT_EQ(std::count(captions.begin(), captions.end(), "#7"), 0) << "k, bound to the slot";
    EXPECT_EQ(send(waiting, pad(ControllerButton::A)).next, waiting);
    EXPECT_EQ(send(waiting, key(0)).next, waiting);

    // "Reset to defaults" at (0.65, 0.9) restores every slot and saves.
    const MenuUpdate reset = click(screen(MenuScreen::Controls), 520, 494);
    EXPECT_EQ(reset.effect, MenuEffect::SaveSettings);
    EXPECT_EQ(keymap(), default_keymap());
}

TEST_F(Menu, CreditsPagesTurnWithoutWrapping) {
    MenuState first = screen(MenuScreen::Credits);
    EXPECT_EQ(drive(first, {key(keycode::kLeft), pad(ControllerButton::DpadLeft)}), first);
    MenuState last = drive(first, {key(keycode::kRight), key('d'), pad(ControllerButton::DpadRight),
                                   key(keycode::kRight), key(keycode::kRight), key(keycode::kRight),
                                   key(keycode::kRight), key(keycode::kRight)});
    EXPECT_EQ(last.page, kCreditsPages - 1);
    EXPECT_EQ(drive(last, {key(keycode::kLeft)}).page, kCreditsPages - 2);
    EXPECT_EQ(send(last, key(keycode::kEscape)).next, main_menu(true, 3));
    EXPECT_EQ(click(last, 60, 120).next, main_menu(false)) << "the close button";

    // Each page queues its own lines, and only the arrows it has.
    for (std::uint8_t page = 0; page < kCreditsPages; ++page) {
        MenuState state = first;
        state.page = page;
        context.icon_queue.clear();
        context.text_queue.clear();
        menu_update(state, context, nullptr, environment);
        const std::size_t arrows = (page > 0 ? 1 : 0) + (page + 1 < kCreditsPages ? 1 : 0);
        EXPECT_EQ(context.icon_queue.size(), 1 + arrows) << "page " << int(page);
        EXPECT_GE(context.text_queue.items().size(), 2u) << "page " << int(page);
    }
}

} // namespace
} // namespace coilwend
