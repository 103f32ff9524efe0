#include "game/event_playback.hpp"
#include "support/rules_fixtures.hpp"
#include "ui/level_buttons.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace coilwend;

namespace {

constexpr std::uint32_t kWidth = 1600, kHeight = 900;

// One snake on a 6 x 4 board, free to step right.
Puzzle small_board() {
    return coilwend::testing::board_with_snake(6, 4, {{0, 1}, {1, 1}, {2, 1}});
}

struct LevelButtonsTest : ::testing::Test {
    UiContext context;
    LevelPlay play = make_level_play(small_board());
    BoardCamera camera = make_board_camera(kWidth, kHeight, 6, 4);

    LevelButtonsTest() {
        context.window_size = context.drawable_size = {kWidth, kHeight};
        play.selection = Selection{0, false};
    }
    // A press, a release or a move at a pixel, as the main loop would offer it.
    LevelButtonsResult send(PointerEvent::Kind kind, std::int32_t x, std::int32_t y) {
        const UiEvent event = PointerEvent{kind, x, y};
        return level_buttons(context, play, camera, &event, InputDevice::Mouse);
    }
    // Press and release on a point; the end-of-frame pass settles between frames.
    LevelButtonsResult click(std::int32_t x, std::int32_t y) {
        const LevelButtonsResult pressed = send(PointerEvent::Kind::Press, x, y);
        apply_level_action(play, pressed.action);
        const LevelButtonsResult released = send(PointerEvent::Kind::Release, x, y);
        settle_pointer_state(context, false);
        return released;
    }
    std::vector<IconQueueEntry> drawn(InputDevice device) {
        context.icon_queue.clear();
        level_buttons(context, play, camera, nullptr, device);
        return context.icon_queue;
    }
    IconQueueEntry button(std::uint8_t icon) {
        for (const IconQueueEntry& e : drawn(InputDevice::Mouse))
            if (e.icon == icon)
                return e;
        ADD_FAILURE() << "icon " << int(icon) << " not drawn";
        return {};
    }
    std::int32_t centre(std::int32_t edge, const IconQueueEntry& e) const {
        return edge + e.size / 2;
    }
};

} // namespace

TEST_F(LevelButtonsTest, ColumnStandsInTheRightMarginAndBackInTheTopLeftCorner) {
    const IconQueueEntry undo = button(kUndoIcon);
    const IconQueueEntry reset = button(kResetIcon);
    const IconQueueEntry back = button(kBackIcon);
    const ScreenPoint last = cell_pixel(camera, {5, 0});
    const ScreenPoint before = cell_pixel(camera, {4, 0});
    const float board_right = last.x + (last.x - before.x) / 2;
    for (const IconQueueEntry& e : {undo, reset}) {
        EXPECT_EQ(e.size, 90);
        EXPECT_GT(static_cast<float>(e.x), board_right) << "clear of the board";
        EXPECT_LE(e.x + e.size, std::int32_t(kWidth));
    }
    EXPECT_EQ(undo.x, reset.x);
    EXPECT_GT(undo.y, reset.y + reset.size) << "undo sits below reset, not on it";
    EXPECT_EQ(back.x, 16);
    EXPECT_EQ(back.y, 9);
}

TEST_F(LevelButtonsTest, ColumnKeepsToTheRightEdgeWhenTheMarginIsGone) {
    // In a tall window the margin is smaller than the button: x is -0.0.
    const UiSize tall{400, 1000};
    const LevelButtonPlacement at =
        level_button_placement(make_board_camera(400, 1000, 6, 4), tall);
    EXPECT_EQ(at.column_x, 0.0f);
    EXPECT_TRUE(std::signbit(at.column_x));
}

TEST_F(LevelButtonsTest, ClicksActLikeTheirKeysAndPressesOnButtonsDoNotSteer) {
    const IconQueueEntry undo = button(kUndoIcon), reset = button(kResetIcon),
                         back = button(kBackIcon);
    // Nothing to undo or reset yet: the presses are taken but do nothing.
    LevelButtonsResult r =
        send(PointerEvent::Kind::Press, centre(undo.x, undo), centre(undo.y, undo));
    EXPECT_TRUE(r.taken);
    EXPECT_EQ(r.action.kind, LevelActionKind::None);
    send(PointerEvent::Kind::Release, centre(undo.x, undo), centre(undo.y, undo));
    settle_pointer_state(context, false);
    EXPECT_EQ(click(centre(reset.x, reset), centre(reset.y, reset)).action.kind,
              LevelActionKind::None);

    run_command(play, command::kRight);
    ASSERT_EQ(play.history.size(), 2u);
    // Pressing undo undoes at once and holds; releasing over it ends the hold.
    r = send(PointerEvent::Kind::Press, centre(undo.x, undo), centre(undo.y, undo));
    EXPECT_TRUE(r.taken);
    apply_level_action(play, r.action);
    EXPECT_EQ(play.history.size(), 1u);
    EXPECT_NE(play.repeat_active, 0u);
    EXPECT_TRUE(send(PointerEvent::Kind::Move, 5, 450).taken) << "a drag from a button stays its";
    EXPECT_TRUE(send(PointerEvent::Kind::Move, centre(undo.x, undo), centre(undo.y, undo)).taken);
    r = send(PointerEvent::Kind::Release, centre(undo.x, undo), centre(undo.y, undo));
    apply_level_action(play, r.action);
    settle_pointer_state(context, false);
    EXPECT_EQ(play.repeat_active, 0u);

    run_command(play, command::kRight);
    const LevelButtonsResult reset_click = click(centre(reset.x, reset), centre(reset.y, reset));
    EXPECT_EQ(reset_click.action.kind, LevelActionKind::Reset);
    EXPECT_EQ(click(centre(back.x, back), centre(back.y, back)).action.kind,
              LevelActionKind::Leave);

    // On the board the pointer is not the buttons' and steers as before.
    r = send(PointerEvent::Kind::Press, 800, 450);
    EXPECT_FALSE(r.taken);
    EXPECT_EQ(r.action.kind, LevelActionKind::None);
}

TEST_F(LevelButtonsTest, StuckPulseGreysEveryButtonAndTheControllerAddsPrompts) {
    EXPECT_FLOAT_EQ(level_button_grey(std::nullopt), 1.0f);
    EXPECT_FLOAT_EQ(level_button_grey(25u), 0.3f);
    EXPECT_FLOAT_EQ(level_button_grey(0u), 0.825f);
    for (std::uint32_t t = 0; t < 50; ++t) {
        const float g = level_button_grey(t);
        EXPECT_GE(g, 0.3f - 1e-6f);
        EXPECT_LE(g, 0.825f + 1e-6f);
    }
    play.stuck = 25u;
    const auto mouse = drawn(InputDevice::Mouse);
    ASSERT_EQ(mouse.size(), 4u);
    for (const IconQueueEntry& e : mouse)
        EXPECT_FLOAT_EQ(e.colour.g, 0.3f);
    const auto pad = drawn(InputDevice::Controller);
    ASSERT_EQ(pad.size(), 7u);
    EXPECT_EQ(pad[4].icon, 17);
    EXPECT_EQ(pad[5].icon, 18);
    EXPECT_EQ(pad[6].icon, 19);
    EXPECT_EQ(pad[6].size, 54);
}

// Redo is greyed until undo took something back, then a click redoes; a
// hint in a dead end makes undo pulse and shows the undos needed beside it.
TEST_F(LevelButtonsTest, RedoFollowsUndoAndADeadEndHintMarksTheUndoButton) {
    EXPECT_EQ(button(kRedoIcon).enabled, 0) << "nothing to redo";
    run_command(play, command::kRight);
    const Puzzle moved = play.current();
    undo(play);
    const IconQueueEntry redo = button(kRedoIcon);
    EXPECT_EQ(redo.enabled, 1);
    apply_level_action(play, click(centre(redo.x, redo), centre(redo.y, redo)).action);
    EXPECT_EQ(play.current(), moved);
    EXPECT_EQ(button(kRedoIcon).enabled, 0) << "all redone";

    context.text_queue.clear();
    context.icon_queue.clear();
    level_buttons(context, play, camera, nullptr, InputDevice::Mouse, LevelHelp{3, 10});
    ASSERT_EQ(context.text_queue.items().size(), 1u);
    EXPECT_EQ(context.text_queue.text(context.text_queue.items()[0]), "3");
    const float pulsing = context.icon_queue[0].colour.b;
    EXPECT_NE(pulsing, button(kUndoIcon).colour.b) << "undo pulses";
}
