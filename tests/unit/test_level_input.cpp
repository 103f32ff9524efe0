#include "main/input_device.hpp"
#include "main/level_input.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

namespace {

constexpr LevelAction run(std::uint8_t code) {
    return {LevelActionKind::Run, code};
}
constexpr LevelAction none() {
    return {};
}

struct LevelInputTest : ::testing::Test {
    LevelPlay play;
    Keymap keys = default_keymap();

    LevelAction send(const InputEvent& event) { return level_action(play, event, keys); }
    bool held(std::uint8_t code) const {
        return play.repeat_active != 0 && play.repeat_command == code;
    }
};

} // namespace

TEST_F(LevelInputTest, GivenNothingHeld_WhenAMoveKeyIsPressed_ThenItRunsAndStartsItsHold) {
    EXPECT_EQ(send(InputEvent::key_down(keycode::kLeft)), run(command::kLeft));
    EXPECT_TRUE(held(command::kLeft));
    EXPECT_EQ(play.repeat_countdown, kFirstRepeatDelay);
}

TEST_F(LevelInputTest, GivenLeftHeld_WhenUpIsPressed_ThenUpRunsAndIsHeldAndReleasingLeftKeepsIt) {
    send(InputEvent::key_down(keycode::kLeft));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kUp)), run(command::kUp));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::key_up(keycode::kLeft));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::key_up(keycode::kUp));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenUpHeldByArrow_WhenWIsPressedToo_ThenNothingRunsButTheHoldRestarts) {
    send(InputEvent::key_down(keycode::kUp));
    play.repeat_countdown = 3;
    EXPECT_EQ(send(InputEvent::key_down(keycode::kW)), none());
    EXPECT_TRUE(held(command::kUp));
    EXPECT_EQ(play.repeat_countdown, kFirstRepeatDelay);
    // Releasing either key ends the hold: both mean Up.
    send(InputEvent::key_up(keycode::kW));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenAHeldMove_WhenPassesGoBy_ThenItRepeatsAfter26PassesAndThenEvery11) {
    send(InputEvent::key_down(keycode::kRight));
    int pass = 0;
    std::vector<int> repeats;
    while (repeats.size() < 3) {
        ++pass;
        if (const auto code = due_repeat(play)) {
            EXPECT_EQ(*code, command::kRight);
            repeats.push_back(pass);
        }
    }
    EXPECT_EQ(repeats, (std::vector<int>{26, 37, 48}));
}

TEST_F(LevelInputTest, GivenNothingHeld_WhenPassesGoBy_ThenNothingRepeats) {
    for (int pass = 0; pass < 100; ++pass)
        EXPECT_FALSE(due_repeat(play).has_value());
}

TEST_F(LevelInputTest, GivenKeyAutoRepeat_ThenTheLoopDropsItAndRecordsTheKeyboard) {
    set_last_input_device(InputDevice::Mouse);
    EXPECT_FALSE(note_input(InputEvent::key_repeat(keycode::kLeft)));
    EXPECT_EQ(last_input_device(), InputDevice::Keyboard);
    EXPECT_TRUE(note_input(InputEvent::key_down(keycode::kLeft)));
    set_last_input_device(InputDevice::Mouse);
    EXPECT_TRUE(note_input(InputEvent::button_down(ControllerButton::A)));
    EXPECT_EQ(last_input_device(), InputDevice::Controller);
    EXPECT_TRUE(note_input(InputEvent::key_up(keycode::kLeft)));
    EXPECT_EQ(last_input_device(), InputDevice::Controller);
}

TEST_F(LevelInputTest, GivenOneShotCommands_ThenTheyRunWithoutTouchingTheHold) {
    send(InputEvent::key_down(keycode::kDown));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kR)), (LevelAction{LevelActionKind::Reset, 0}));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kTab)),
              (LevelAction{LevelActionKind::NextSnake, 0}));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kQ)),
              (LevelAction{LevelActionKind::PreviousSnake, 0}));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kEscape)),
              (LevelAction{LevelActionKind::Leave, 0}));
    EXPECT_EQ(send(InputEvent::key_down(keycode::kAcBack)),
              (LevelAction{LevelActionKind::Leave, 0}));
    EXPECT_TRUE(held(command::kDown));
}

TEST_F(LevelInputTest, GivenTheUndoKey_ThenItRunsUndoAndRepeatsWhileHeld) {
    EXPECT_EQ(send(InputEvent::key_down(keycode::kZ)), run(command::kUndo));
    EXPECT_TRUE(held(command::kUndo));
    send(InputEvent::key_up(keycode::kZ));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenTheControllerButtons_ThenTheyFollowTheFixedLevelMapping) {
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::B)), run(command::kUndo));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::Y)),
              (LevelAction{LevelActionKind::Reset, 0}));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::Back)),
              (LevelAction{LevelActionKind::Leave, 0}));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::LeftShoulder)),
              (LevelAction{LevelActionKind::PreviousSnake, 0}));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::RightShoulder)),
              (LevelAction{LevelActionKind::NextSnake, 0}));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::DpadUp)), run(command::kUp));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::DpadDown)), run(command::kDown));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::DpadLeft)), run(command::kLeft));
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::DpadRight)), run(command::kRight));
    send(InputEvent::button_up(ControllerButton::DpadRight));
    EXPECT_EQ(play.repeat_active, 0u);
    for (const auto button : {ControllerButton::A, ControllerButton::X, ControllerButton::Start,
                              ControllerButton::Guide})
        EXPECT_EQ(send(InputEvent::button_down(button)), none());
    EXPECT_EQ(send({InputKind::ButtonDown, 200, 0, false}), none());
}

TEST_F(LevelInputTest, GivenTheLeftStick_WhenPushedPastTheThreshold_ThenItMovesAndHolds) {
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftX, kStickThreshold)), none());
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftX, kStickThreshold + 1)),
              run(command::kRight));
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftX, -kStickThreshold - 1)),
              run(command::kLeft));
    send(InputEvent::axis(ControllerAxis::LeftX, -kStickThreshold));
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftY, 32767)), run(command::kDown));
    send(InputEvent::axis(ControllerAxis::LeftY, 100));
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftY, -32768)), run(command::kUp));
    EXPECT_TRUE(held(command::kUp));
}

TEST_F(LevelInputTest, GivenSomethingHeld_WhenTheStickIsPushed_ThenTheStickIsIgnored) {
    send(InputEvent::key_down(keycode::kUp));
    EXPECT_EQ(send(InputEvent::axis(ControllerAxis::LeftX, 30000)), none());
    EXPECT_TRUE(held(command::kUp));
}

TEST_F(LevelInputTest, GivenTheStickCentred_ThenOnlyHoldsOfItsOwnAxisEnd) {
    send(InputEvent::key_down(keycode::kUp));
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::axis(ControllerAxis::LeftY, 0));
    EXPECT_EQ(play.repeat_active, 0u);

    send(InputEvent::key_down(keycode::kLeft));
    send(InputEvent::axis(ControllerAxis::LeftY, 0));
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenOtherAxes_ThenLevelPlayIgnoresThem) {
    for (const auto axis : {ControllerAxis::RightX, ControllerAxis::RightY,
                            ControllerAxis::TriggerLeft, ControllerAxis::TriggerRight})
        EXPECT_EQ(send(InputEvent::axis(axis, 32767)), none());
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenAReleaseOfAnotherCommand_ThenTheHoldStays) {
    send(InputEvent::key_down(keycode::kZ));
    send(InputEvent::key_up(keycode::kR));
    send(InputEvent::key_up(keycode::kEscape));
    send(InputEvent::button_up(ControllerButton::DpadLeft));
    EXPECT_TRUE(held(command::kUndo));
}
