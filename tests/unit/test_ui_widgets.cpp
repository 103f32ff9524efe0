// Widgets: where fractions land in pixels, the pointer state machine of
// icon and text buttons, the stick latch and the page arrows.

#include "ui/widgets.hpp"

#include "ui/text_layout.hpp"

#include <gtest/gtest.h>

namespace coilwend {
namespace {

UiEvent press(int x, int y) {
    return PointerEvent{PointerEvent::Kind::Press, x, y};
}
UiEvent release(int x, int y) {
    return PointerEvent{PointerEvent::Kind::Release, x, y};
}
UiEvent move(int x, int y) {
    return PointerEvent{PointerEvent::Kind::Move, x, y};
}
UiEvent stick_x(std::int16_t value) {
    return InputEvent::axis(ControllerAxis::LeftX, value);
}
UiEvent stick_y(std::int16_t value) {
    return InputEvent::axis(ControllerAxis::LeftY, value);
}

UiContext context_800x600() {
    UiContext context;
    context.window_size = {800, 600};
    context.drawable_size = {800, 600};
    return context;
}

TEST(UiCoordinates, IconEdgesFollowTheSignBitTheExactCentreAndTruncation) {
    EXPECT_EQ(icon_edge(0.0f, 800, 80), 0);
    EXPECT_EQ(icon_edge(-0.0f, 800, 80), 720) << "-0.0 measures from the right edge";
    EXPECT_EQ(icon_edge(-0.05f, 800, 80), 680);
    EXPECT_EQ(icon_edge(-0.05f, 600, 60), 510) << "bottom edge at 570";
    EXPECT_EQ(icon_edge(0.5f, 800, 81), 359) << "exactly 0.5 centres (719 / 2 truncated)";
    EXPECT_EQ(icon_edge(0.5001f, 800, 81), 400) << "anything else is the near edge";
    EXPECT_EQ(icon_edge(0.3333f, 100, 10), 33);
    EXPECT_EQ(icon_edge(-0.3333f, 100, 10), 56) << "66.67 truncated, minus the size";
}

TEST(UiCoordinates, TextPositionsAddTheExtentOnlyToNegativeTruncatedValues) {
    EXPECT_EQ(text_coordinate(0.5f, 801), 400);
    EXPECT_EQ(text_coordinate(-0.1f, 800), 720);
    EXPECT_EQ(text_coordinate(-0.0f, 800), 0) << "-0.0 truncates to 0, which is not negative";
    EXPECT_EQ(text_coordinate(-0.004f, 100), 0) << "-0.4 truncates toward zero";
}

// Icon at (0.1, 0.1) of size 0.1 in 800 × 600: pixels 80..140 across, 60..120 down.
constexpr float kX = 0.1f, kY = 0.1f, kSize = 0.1f;

ButtonResult button(UiContext& context, const UiEvent& event, ButtonUse use = ButtonUse::Enabled,
                    std::uint8_t index = 3, float x = kX) {
    return icon_button(context, &event, x, kY, kSize, index, use, {1, 1, 1});
}

TEST(UiPointer, DraggingOffAndBackOnStillClicksButReleasingOffDoesNot) {
    UiContext context = context_800x600();
    EXPECT_EQ(button(context, press(100, 90)), ButtonResult::Pressed);
    EXPECT_EQ(context.pointer_state, PointerState::IconOver);
    button(context, move(300, 90));
    EXPECT_EQ(context.pointer_state, PointerState::IconLeft);
    button(context, move(101, 91));
    EXPECT_EQ(context.pointer_state, PointerState::IconOver);
    EXPECT_EQ(button(context, release(101, 91)), ButtonResult::Clicked);
    settle_pointer_state(context, false);
    EXPECT_EQ(context.pointer_state, PointerState::Idle);

    button(context, press(100, 90));
    button(context, move(300, 90));
    EXPECT_EQ(button(context, release(300, 90)), ButtonResult::None);
}

TEST(UiPointer, APressOutsideEveryWidgetBlocksButtonsUntilTheButtonIsUp) {
    UiContext context = context_800x600();
    EXPECT_EQ(button(context, press(500, 500)), ButtonResult::None);
    settle_pointer_state(context, true);
    EXPECT_EQ(context.pointer_state, PointerState::HeldOutside);
    button(context, move(100, 90));
    EXPECT_EQ(button(context, press(100, 90)), ButtonResult::None);
    EXPECT_EQ(button(context, release(100, 90)), ButtonResult::None);
    settle_pointer_state(context, false);
    EXPECT_EQ(button(context, press(100, 90)), ButtonResult::Pressed);
}

TEST(UiPointer, EdgesAreOutsideAndOnlyThePressedButtonClicks) {
    UiContext context = context_800x600();
    for (const auto& [x, y] : {std::pair{80, 90}, {140, 90}, {100, 60}, {100, 120}})
        EXPECT_EQ(button(context, press(x, y)), ButtonResult::None) << x << "," << y;
    EXPECT_EQ(button(context, press(81, 61)), ButtonResult::Pressed);

    // Pressed on icon 3; a release over icon 4 (at x 0.3) is not its click.
    UiContext other = context_800x600();
    button(other, press(100, 90));
    EXPECT_EQ(button(other, release(250, 90), ButtonUse::Enabled, 4, 0.3f), ButtonResult::None);
}

TEST(UiPointer, ADisabledButtonReportsClicksButNotPressesAndIsQueuedDimmed) {
    UiContext context = context_800x600();
    EXPECT_EQ(button(context, press(100, 90), ButtonUse::Disabled), ButtonResult::None);
    EXPECT_EQ(context.pointer_state, PointerState::IconOver);
    EXPECT_EQ(button(context, release(100, 90), ButtonUse::Disabled), ButtonResult::Clicked);

    icon_button(context, nullptr, kX, kY, kSize, 3, ButtonUse::Disabled, {1, 1, 1});
    ASSERT_EQ(context.icon_queue.size(), 1u);
    const IconQueueEntry& queued = context.icon_queue[0];
    EXPECT_EQ(queued.x, 80);
    EXPECT_EQ(queued.y, 60);
    EXPECT_EQ(queued.size, 60);
    EXPECT_EQ(queued.enabled, 0);
}

TEST(UiPointer, TextButtonsAreAsWideAsTheirCaptionAndShareTheirPressedLook) {
    const std::optional<Font> font = Font::load(embedded_font_ttf());
    ASSERT_TRUE(font);
    UiContext context = context_800x600();
    context.font = &font.value();
    const auto caption = [&](std::string_view text, const UiEvent& event) {
        return text_button(context, &event, 0.5f, 0.5f, 0.1f, {1, 1, 1}, text);
    };
    // 60 pixels high from y 300; "..." is narrow, "Right Shift" is not.
    const int short_half = text_width(*font, "...", 60) / 2;
    const int long_half = text_width(*font, "Right Shift", 60) / 2;
    ASSERT_LT(short_half + 5, long_half);
    const int beside = 400 + short_half + 3;
    EXPECT_EQ(caption("...", press(beside, 330)), ButtonResult::None);
    EXPECT_EQ(caption("Right Shift", press(beside, 330)), ButtonResult::Pressed);
    EXPECT_EQ(context.pointer_state, PointerState::TextOver);
    EXPECT_EQ(context.dimmed_text(), text_button_identity("Right Shift", 0.5f, 0.5f));

    caption("Right Shift", move(beside, 200));
    EXPECT_EQ(context.pointer_state, PointerState::TextLeft);
    EXPECT_EQ(context.dimmed_text(), std::nullopt) << "dimmed only while over it";
    caption("Right Shift", move(beside, 330));
    EXPECT_EQ(caption("Right Shift", release(beside, 330)), ButtonResult::Clicked);
}

TEST(UiPointer, TwoTextButtonsWithOneCaptionAreTwoButtons) {
    const std::optional<Font> font = Font::load(embedded_font_ttf());
    ASSERT_TRUE(font);
    UiContext context = context_800x600();
    context.font = &font.value();
    // Both "W" buttons see every event, as the controls screen's rows do.
    const auto both = [&](const UiEvent& event) {
        return std::pair{text_button(context, &event, 0.5f, 0.3f, 0.1f, {1, 1, 1}, "W"),
                         text_button(context, &event, 0.5f, 0.6f, 0.1f, {1, 1, 1}, "W")};
    };
    EXPECT_EQ(both(press(400, 200)).first, ButtonResult::Pressed);
    EXPECT_EQ(context.dimmed_text(), text_button_identity("W", 0.5f, 0.3f));
    both(move(403, 202));
    EXPECT_EQ(context.pointer_state, PointerState::TextOver) << "still over the pressed one";
    const auto [first, second] = both(release(403, 202));
    EXPECT_EQ(first, ButtonResult::Clicked);
    EXPECT_EQ(second, ButtonResult::None);
}

TEST(UiStickLatch, FiresOncePerPushAndOnlyAfterReturningThroughTheCentreBand) {
    UiContext context = context_800x600();
    StickLatch& latch = context.stick_latch;
    const auto previous = [&](const UiEvent& event) {
        return previous_arrow(context, latch, &event);
    };
    EXPECT_TRUE(previous(stick_x(-32768)));
    EXPECT_FALSE(previous(stick_x(-32768)));
    EXPECT_FALSE(previous(stick_x(-16383))) << "16383 neither releases nor latches";
    EXPECT_TRUE(latch.held);
    EXPECT_FALSE(previous(stick_y(0))) << "the other axis does not release";
    EXPECT_TRUE(latch.held);
    EXPECT_FALSE(previous(stick_x(-16382)));
    EXPECT_FALSE(latch.held);
    EXPECT_TRUE(previous(stick_x(-16384)));

    // A vertical push only holds the latch, which then blocks the horizontal one.
    StickLatch fresh;
    const UiEvent down = stick_y(20000), left = stick_x(-32768), right = stick_x(32767);
    EXPECT_FALSE(previous_arrow(context, fresh, &down));
    EXPECT_TRUE(fresh.held);
    EXPECT_FALSE(previous_arrow(context, fresh, &left));
    EXPECT_FALSE(next_arrow(context, fresh, &right));
}

TEST(UiStickLatch, EachUserLatchesOnlyTheDirectionsItHandles) {
    StickLatch latch;
    // The main menu holds the latch on right without acting, and ignores left.
    EXPECT_EQ(stick_latch_step(latch, stick_users::kMainMenu,
                               InputEvent::axis(ControllerAxis::LeftX, -30000)),
              std::nullopt);
    EXPECT_FALSE(latch.held);
    EXPECT_EQ(stick_latch_step(latch, stick_users::kMainMenu,
                               InputEvent::axis(ControllerAxis::LeftX, 30000)),
              std::nullopt);
    EXPECT_TRUE(latch.held);
    EXPECT_EQ(stick_latch_step(latch, stick_users::kMainMenu,
                               InputEvent::axis(ControllerAxis::LeftY, 30000)),
              std::nullopt)
        << "held: nothing else fires";
    latch = {};
    EXPECT_EQ(stick_latch_step(latch, stick_users::kMainMenu,
                               InputEvent::axis(ControllerAxis::LeftY, 30000)),
              StickDirection::Down);
}

TEST(UiPageArrows, SitInTheBottomCornersAndAnswerKeysDpadAndClicks) {
    UiContext context = context_800x600();
    StickLatch latch;
    EXPECT_FALSE(previous_arrow(context, latch, nullptr));
    EXPECT_FALSE(next_arrow(context, latch, nullptr));
    ASSERT_EQ(context.icon_queue.size(), 2u);
    EXPECT_EQ(context.icon_queue[0].icon, 0);
    EXPECT_EQ(context.icon_queue[0].x, 40);
    EXPECT_EQ(context.icon_queue[0].y, 510);
    EXPECT_EQ(context.icon_queue[1].icon, 8);
    EXPECT_EQ(context.icon_queue[1].x, 700);

    const UiEvent left_key = InputEvent::key_down(keymap()[Binding::Left]);
    const UiEvent left_repeat = InputEvent::key_repeat(keymap()[Binding::Left]);
    const UiEvent dpad_right = InputEvent::button_down(ControllerButton::DpadRight);
    EXPECT_TRUE(previous_arrow(context, latch, &left_key));
    EXPECT_FALSE(next_arrow(context, latch, &left_key));
    EXPECT_FALSE(previous_arrow(context, latch, &left_repeat));
    EXPECT_TRUE(next_arrow(context, latch, &dpad_right));

    const UiEvent down = press(730, 540);
    const UiEvent up = release(730, 540);
    EXPECT_FALSE(next_arrow(context, latch, &down));
    EXPECT_TRUE(next_arrow(context, latch, &up));
}

} // namespace
} // namespace coilwend
