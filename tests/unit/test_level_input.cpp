#include "game/event_playback.hpp"
#include "input/input_device.hpp"
#include "input/level_input.hpp"
#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

namespace {

constexpr LevelAction press(std::uint8_t code) {
    return {LevelActionKind::PressHeld, code};
}
constexpr LevelAction release(std::uint8_t code) {
    return {LevelActionKind::ReleaseHeld, code};
}
constexpr LevelAction action(LevelActionKind kind) {
    return {kind, 0};
}
constexpr LevelAction none() {
    return {};
}

// A 5 x 5 board with one snake whose last cell, in the middle, leads: it can
// step left, right and up; down is its own body.
Puzzle open_board() {
    return coilwend::testing::board_with_snake(5, 5, {{2, 0}, {2, 1}, {2, 2}});
}

struct LevelInputTest : ::testing::Test {
    LevelPlay play = make_level_play(open_board());
    StickPush stick;
    Keymap keys = default_keymap();

    LevelInputTest() { play.selection = Selection{0, false}; }

    LevelAction translate(const InputEvent& event) {
        return level_action(play, stick, event, keys);
    }
    LevelOutcome send(const InputEvent& event) {
        return apply_level_action(play, translate(event));
    }
    bool held(std::uint8_t code) const {
        return play.repeat_active != 0 && play.repeat_command == code;
    }
    Pos lead() const { return play.current().snakes[0].cells.back(); }
};

} // namespace

TEST_F(LevelInputTest, GivenKeys_ThenPressesAndReleasesTranslateByTheLevelTable) {
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kLeft)), press(command::kLeft));
    EXPECT_EQ(translate(InputEvent::key_up(keycode::kA)), release(command::kLeft));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kW)), press(command::kUp));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kZ)), press(command::kUndo));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kR)), action(LevelActionKind::Reset));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kTab)), action(LevelActionKind::NextSnake));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kQ)), action(LevelActionKind::PreviousSnake));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kEscape)), action(LevelActionKind::Leave));
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kAcBack)), action(LevelActionKind::Leave));
    // One-shot commands have nothing to release.
    EXPECT_EQ(translate(InputEvent::key_up(keycode::kR)), none());
    EXPECT_EQ(translate(InputEvent::key_up(keycode::kEscape)), none());
    EXPECT_EQ(translate(InputEvent::key_down(keycode::kReturn)), none());
}

TEST_F(LevelInputTest, GivenControllerButtons_ThenTheFixedLevelMappingApplies) {
    using B = ControllerButton;
    EXPECT_EQ(translate(InputEvent::button_down(B::B)), press(command::kUndo));
    EXPECT_EQ(translate(InputEvent::button_down(B::Y)), action(LevelActionKind::Reset));
    EXPECT_EQ(translate(InputEvent::button_down(B::Back)), action(LevelActionKind::Leave));
    EXPECT_EQ(translate(InputEvent::button_down(B::LeftShoulder)),
              action(LevelActionKind::PreviousSnake));
    EXPECT_EQ(translate(InputEvent::button_down(B::RightShoulder)),
              action(LevelActionKind::NextSnake));
    EXPECT_EQ(translate(InputEvent::button_down(B::DpadUp)), press(command::kUp));
    EXPECT_EQ(translate(InputEvent::button_down(B::DpadDown)), press(command::kDown));
    EXPECT_EQ(translate(InputEvent::button_down(B::DpadLeft)), press(command::kLeft));
    EXPECT_EQ(translate(InputEvent::button_down(B::DpadRight)), press(command::kRight));
    EXPECT_EQ(translate(InputEvent::button_up(B::DpadRight)), release(command::kRight));
    EXPECT_EQ(translate(InputEvent::button_up(B::B)), release(command::kUndo));
    EXPECT_EQ(translate(InputEvent::button_down(B::X)), action(LevelActionKind::Hint));
    EXPECT_EQ(translate(InputEvent::button_down(B::RightStick)), action(LevelActionKind::Redo));
    for (const B unused : {B::A, B::Start, B::Guide, B::LeftStick})
        EXPECT_EQ(translate(InputEvent::button_down(unused)), none());
    EXPECT_EQ(translate({InputKind::ButtonDown, 200, 0, false}), none());
    EXPECT_EQ(translate({InputKind::ButtonDown, -1, 0, false}), none());
}

TEST_F(LevelInputTest, GivenTheLeftStick_WhenPushedBeyondTheThreshold_ThenItPressesAMove) {
    using A = ControllerAxis;
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, kStickThreshold)), none());
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, kStickThreshold + 1)), press(command::kRight));
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, -kStickThreshold - 1)), press(command::kLeft));
    EXPECT_EQ(translate(InputEvent::axis(A::LeftY, 32767)), press(command::kDown));
    EXPECT_EQ(translate(InputEvent::axis(A::LeftY, -32768)), press(command::kUp));
    for (const A other : {A::RightX, A::RightY, A::TriggerLeft, A::TriggerRight})
        EXPECT_EQ(translate(InputEvent::axis(other, 32767)), none());
}

TEST_F(LevelInputTest, GivenAPushedStick_WhenItComesBack_ThenItReleasesItsAxisOnce) {
    using A = ControllerAxis;
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, 0)), none());
    translate(InputEvent::axis(A::LeftX, 30000));
    EXPECT_EQ(translate(InputEvent::axis(A::LeftY, 0)), none());
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, -kStickThreshold)), release(command::kRight));
    // An idle stick keeps reporting small values; they release nothing more.
    EXPECT_EQ(translate(InputEvent::axis(A::LeftX, 300)), none());
    translate(InputEvent::axis(A::LeftY, -30000));
    EXPECT_EQ(translate(InputEvent::axis(A::LeftY, 10)), release(command::kUp));
}

TEST_F(LevelInputTest, GivenHoldsOfKeysAndTheStick_ThenTheStickEndsOnlyTheHoldItStarted) {
    using A = ControllerAxis;
    // A key's hold outlives a stick pushed meanwhile and let go.
    send(InputEvent::key_down(keycode::kLeft));
    send(InputEvent::axis(A::LeftX, 30000));
    send(InputEvent::axis(A::LeftX, 0));
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::key_up(keycode::kLeft));

    // A flick from right to left turns the stick's hold; centring ends it.
    send(InputEvent::axis(A::LeftX, 30000));
    EXPECT_TRUE(held(command::kRight));
    send(InputEvent::axis(A::LeftX, -30000));
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::axis(A::LeftY, -30000)); // the other axis cannot take it over
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::axis(A::LeftY, 0));
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::axis(A::LeftX, 0));
    EXPECT_EQ(play.repeat_active, 0u);

    // A key pressed over the stick's hold takes it: the stick lets go of nothing.
    send(InputEvent::axis(A::LeftX, 30000));
    send(InputEvent::key_down(keycode::kRight));
    send(InputEvent::axis(A::LeftX, 0));
    EXPECT_TRUE(held(command::kRight));
}

TEST_F(LevelInputTest, GivenAMoveKey_WhenPressed_ThenTheMoveRunsAndItsHoldStarts) {
    send(InputEvent::key_down(keycode::kLeft));
    EXPECT_EQ(lead(), (Pos{1, 2}));
    EXPECT_TRUE(held(command::kLeft));
    EXPECT_EQ(play.repeat_countdown, 25u);
}

TEST_F(LevelInputTest, GivenLeftHeld_WhenUpIsPressed_ThenUpRunsAndStaysHeldAfterLeftIsReleased) {
    send(InputEvent::key_down(keycode::kLeft));
    send(InputEvent::key_down(keycode::kUp));
    EXPECT_EQ(lead(), (Pos{1, 3}));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::key_up(keycode::kLeft));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::key_up(keycode::kUp));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenUpHeldByTheArrow_WhenWIsPressed_ThenNothingMovesButTheHoldRestarts) {
    send(InputEvent::key_down(keycode::kUp));
    play.repeat_countdown = 3;
    const std::size_t entries = play.history.size();
    send(InputEvent::key_down(keycode::kW));
    EXPECT_EQ(play.history.size(), entries);
    EXPECT_EQ(play.repeat_countdown, 25u);
    send(InputEvent::key_up(keycode::kW)); // W means Up too, so it ends the hold
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenAKeyHeld_WhenTheStickIsPushed_ThenTheStickIsIgnored) {
    send(InputEvent::key_down(keycode::kUp));
    EXPECT_EQ(translate(InputEvent::axis(ControllerAxis::LeftX, 30000)), none());
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_TRUE(held(command::kUp));
}

TEST_F(LevelInputTest, GivenAStickHold_WhenTheStickReturns_ThenOnlyItsAxisHoldsEnd) {
    send(InputEvent::axis(ControllerAxis::LeftX, -30000));
    EXPECT_TRUE(held(command::kLeft));
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_EQ(play.repeat_active, 0u);

    send(InputEvent::axis(ControllerAxis::LeftY, -30000));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::axis(ControllerAxis::LeftX, 30000)); // ignored: Up is held
    send(InputEvent::axis(ControllerAxis::LeftX, 0));
    EXPECT_TRUE(held(command::kUp));
    send(InputEvent::axis(ControllerAxis::LeftY, 0));
    EXPECT_EQ(play.repeat_active, 0u);
}

TEST_F(LevelInputTest, GivenAReleaseOfAnotherCommand_ThenTheHoldStays) {
    send(InputEvent::key_down(keycode::kZ));
    for (const Keycode other : {keycode::kR, keycode::kEscape, keycode::kLeft})
        send(InputEvent::key_up(other));
    send(InputEvent::button_up(ControllerButton::DpadLeft));
    EXPECT_TRUE(held(command::kUndo));
}

TEST_F(LevelInputTest, GivenTheExitKey_ThenTheLoopIsAskedToLeaveAndNothingElseHappens) {
    EXPECT_EQ(send(InputEvent::key_down(keycode::kEscape)), LevelOutcome::Leave);
    EXPECT_EQ(send(InputEvent::button_down(ControllerButton::Back)), LevelOutcome::Leave);
    EXPECT_EQ(send(InputEvent::key_down(keycode::kLeft)), LevelOutcome::Stay);
    EXPECT_EQ(play.history.size(), 2u);
}

TEST_F(LevelInputTest, GivenResetAndCycleKeys_ThenTheyReachTheRules) {
    send(InputEvent::key_down(keycode::kRight));
    send(InputEvent::key_down(keycode::kR));
    EXPECT_EQ(play.current(), play.start());
    send(InputEvent::key_down(keycode::kTab));
    EXPECT_EQ(play.selection, (Selection{0, false})); // the only snake end
}

TEST(InputDevice, GivenPresses_ThenTheDeviceIsRecordedAndKeyAutoRepeatIsDropped) {
    set_last_input_device(InputDevice::Mouse);
    EXPECT_FALSE(note_input(InputEvent::key_repeat(keycode::kLeft)));
    EXPECT_EQ(last_input_device(), InputDevice::Keyboard);
    EXPECT_TRUE(note_input(InputEvent::key_down(keycode::kLeft)));
    EXPECT_TRUE(note_input(InputEvent::button_down(ControllerButton::A)));
    EXPECT_EQ(last_input_device(), InputDevice::Controller);
    // Releases and stick motion change nothing.
    EXPECT_TRUE(note_input(InputEvent::key_up(keycode::kLeft)));
    EXPECT_TRUE(note_input(InputEvent::axis(ControllerAxis::LeftX, 30000)));
    EXPECT_EQ(last_input_device(), InputDevice::Controller);
    set_last_input_device(InputDevice::Mouse);
}
