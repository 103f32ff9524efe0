// What the player sees at every window shape, without GL: each menu screen,
// the controls screen with the widest key names, every credits page and the
// buttons over a level are queued, and the queued texts, icons and button
// faces must keep clear of each other and stay inside the window.

#include "support/rules_fixtures.hpp"
#include "ui/level_buttons.hpp"
#include "ui/menu.hpp"
#include "ui/text_layout.hpp"

#include <SDL_keyboard.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace coilwend {
namespace {

constexpr std::array<UiSize, 7> kShapes{{
    {800, 600},
    {1024, 768},
    {1280, 800},
    {1280, 720},
    {1920, 1080},
    {2560, 1080},
    {600, 1000},
}};

struct Shape {
    std::string what;
    UiBox box;
};

const Font& font() {
    static const std::optional<Font> loaded = Font::load(embedded_font_ttf());
    return *loaded;
}

// Everything queued for one frame, as rectangles. A caption lying within a
// button face is that face's, so only the face counts.
std::vector<Shape> queued_shapes(const UiContext& context) {
    std::vector<Shape> shapes;
    for (const UiBox& box : context.box_queue)
        shapes.push_back({"button face", box});
    for (const IconQueueEntry& icon : context.icon_queue)
        shapes.push_back(
            {"icon " + std::to_string(icon.icon), {icon.x, icon.y, icon.size, icon.size}});
    for (const TextItem& item : context.text_queue.items()) {
        const std::string_view text = context.text_queue.text(item);
        const int width = text_width(font(), text, item.size);
        const UiBox box{item.left_aligned ? item.x : item.x - width / 2, item.y, width,
                        static_cast<std::int32_t>(item.size)};
        const bool caption =
            std::any_of(context.box_queue.begin(), context.box_queue.end(), [&](const UiBox& face) {
                return face.left <= box.left && box.left + box.width <= face.left + face.width &&
                       face.top <= box.top && box.top + box.height <= face.top + face.height;
            });
        if (!caption)
            shapes.push_back({"\"" + std::string(text) + "\"", box});
    }
    return shapes;
}

std::string describe(const Shape& shape) {
    std::ostringstream out;
    out << shape.what << " at (" << shape.box.left << ", " << shape.box.top << ") "
        << shape.box.width << "x" << shape.box.height;
    return out.str();
}

// Pairs closer than `gap` pixels, and shapes reaching outside the window.
void expect_clear(const std::vector<Shape>& shapes, UiSize window, const std::string& where) {
    const std::int32_t gap = std::max<std::int32_t>(
        2, static_cast<std::int32_t>(0.005f * float(std::min(window.width, window.height))));
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const UiBox& a = shapes[i].box;
        EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.left + a.width <= std::int32_t(window.width) &&
                    a.top + a.height <= std::int32_t(window.height))
            << where << ": " << describe(shapes[i]) << " leaves the window";
        for (std::size_t j = i + 1; j < shapes.size(); ++j) {
            const UiBox& b = shapes[j].box;
            const bool apart = a.left + a.width + gap <= b.left ||
                               b.left + b.width + gap <= a.left ||
                               a.top + a.height + gap <= b.top || b.top + b.height + gap <= a.top;
            EXPECT_TRUE(apart) << where << ": " << describe(shapes[i]) << " and "
                               << describe(shapes[j]) << " are closer than " << gap << " px";
        }
    }
}

std::string shape_name(UiSize window) {
    return std::to_string(window.width) + "x" + std::to_string(window.height);
}

// The platform's key name that is widest on screen at the captions' size.
std::string widest_key_name() {
    std::string widest;
    int widest_pixels = 0;
    for (int scancode = 0; scancode < SDL_NUM_SCANCODES; ++scancode) {
        const std::string name = SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
        const int pixels = text_width(font(), name, 100);
        if (pixels > widest_pixels) {
            widest = name;
            widest_pixels = pixels;
        }
    }
    return widest;
}

class Layout : public ::testing::Test {
  protected:
    ~Layout() override { keymap() = default_keymap(); }

    // One drawing pass of the menu at `window`.
    void expect_menu_clear(const MenuState& state, UiSize window, const std::string& what) {
        UiContext context;
        context.window_size = context.drawable_size = window;
        context.font = &font();
        menu_update(state, context, nullptr, environment);
        EXPECT_EQ(context.frame, UiFrame::Window) << "the menu leaves the frame as it found it";
        expect_clear(queued_shapes(context), window, what + " at " + shape_name(window));
    }

    MenuEnvironment environment{.key_name = [](Keycode code) { return "#" + std::to_string(code); },
                                .version = "1.0.0"};
};

MenuState screen(MenuScreen which) {
    MenuState state;
    state.screen = which;
    return state;
}

TEST_F(Layout, MenuScreensAndCreditsPagesKeepClearAtEveryShape) {
    std::vector<std::pair<std::string, MenuState>> states;
    states.emplace_back("main page", main_menu(false));
    states.emplace_back("main page from the keys", main_menu(true, 2));
    states.emplace_back("reset confirmation", screen(MenuScreen::ConfirmReset));
    states.emplace_back("exit confirmation", screen(MenuScreen::ConfirmExit));
    for (std::uint8_t page = 0; page < kCreditsPages; ++page) {
        MenuState credits = screen(MenuScreen::Credits);
        credits.page = page;
        states.emplace_back("credits page " + std::to_string(page + 1), credits);
    }
    for (const UiSize window : kShapes)
        for (const auto& [what, state] : states) {
            environment.sound_muted = false;
            expect_menu_clear(state, window, what);
        }
}

TEST_F(Layout, ControlsScreenKeepsClearWithTheWidestKeyNamesAndWhileWaiting) {
    const std::string widest = widest_key_name();
    ASSERT_FALSE(widest.empty());
    const MenuState controls = screen(MenuScreen::Controls);
    for (const UiSize window : kShapes) {
        environment.key_name = [](Keycode code) { return "#" + std::to_string(code % 100); };
        expect_menu_clear(controls, window, "default captions");
        // The widest name in the first slots, then in the second ones, then everywhere.
        for (const int parity : {0, 1, 2}) {
            std::vector<Keycode> wide_codes;
            const auto& rows = binding_rows();
            for (std::size_t slot = 0; slot < rows.size(); ++slot)
                if (parity == 2 || int(rows[slot].second_slot) == parity)
                    wide_codes.push_back(default_keymap().keys[slot]);
            environment.key_name = [&widest, wide_codes](Keycode code) {
                return std::find(wide_codes.begin(), wide_codes.end(), code) != wide_codes.end()
                           ? widest
                           : std::string("W");
            };
            expect_menu_clear(controls, window,
                              "\"" + widest + "\" in slot set " + std::to_string(parity));
        }
        keymap() = default_keymap();
        for (const std::uint8_t slot : {0, 1, 13}) {
            MenuState waiting = controls;
            waiting.waiting = true;
            waiting.slot = slot;
            expect_menu_clear(waiting, window, "waiting on slot " + std::to_string(slot));
        }
    }
}

TEST_F(Layout, ControlsKeyFacesTakeClicksOnlyWhereTheyAreDrawn) {
    // A click in the middle of each face binds that face's slot and no other.
    keymap() = default_keymap();
    environment.key_name = [](Keycode) { return std::string("Left Shift"); };
    for (const UiSize window : kShapes) {
        UiContext context;
        context.window_size = context.drawable_size = window;
        context.font = &font();
        const MenuState controls = screen(MenuScreen::Controls);
        menu_update(controls, context, nullptr, environment);
        // The faces come in slot order, then "Reset to defaults".
        ASSERT_EQ(context.box_queue.size(), binding_rows().size() + 1);
        for (std::size_t slot = 0; slot < binding_rows().size(); ++slot) {
            const UiBox face = context.box_queue[slot];
            const std::int32_t x = face.left + face.width / 2;
            const std::int32_t y = face.top + face.height / 2;
            const UiEvent press = PointerEvent{PointerEvent::Kind::Press, x, y};
            const UiEvent release = PointerEvent{PointerEvent::Kind::Release, x, y};
            menu_update(controls, context, &press, environment);
            const MenuUpdate update = menu_update(controls, context, &release, environment);
            settle_pointer_state(context, false);
            ASSERT_TRUE(update.next);
            EXPECT_TRUE(update.next->waiting && update.next->slot == slot)
                << "slot " << slot << " at " << shape_name(window);
        }
    }
}

TEST(LevelLayout, LevelButtonsKeepClearAtEveryShapeAndBoard) {
    const LevelPlay play =
        make_level_play(coilwend::testing::board_with_snake(6, 4, {{0, 1}, {1, 1}, {2, 1}}));
    for (const UiSize window : kShapes)
        for (const auto& [columns, rows] : {std::pair{6, 4}, {3, 12}, {16, 5}, {10, 10}}) {
            UiContext context;
            context.window_size = context.drawable_size = window;
            const BoardCamera camera =
                make_board_camera(window.width, window.height, columns, rows);
            level_buttons(context, play, camera, nullptr, InputDevice::Mouse);
            expect_clear(queued_shapes(context), window,
                         "level buttons at " + shape_name(window) + " on a " +
                             std::to_string(columns) + "x" + std::to_string(rows) + " board");
        }
}

} // namespace
} // namespace coilwend
