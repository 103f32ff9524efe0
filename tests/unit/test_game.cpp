#include "game/event_playback.hpp"
#include "main/input_device.hpp"
#include "overworld/game.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

namespace {

struct GameTest : ::testing::Test {
    ~GameTest() override { set_last_input_device(InputDevice::Mouse); }
};

} // namespace

TEST_F(GameTest, GivenAKeyboardPlayer_WhenTheGameStarts_ThenParallelIsPlayedWithItsSnakeSelected) {
    set_last_input_device(InputDevice::Keyboard);
    Game game;
    LevelPlay* play = game.level_play();
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->current().name, "Parallel");
    EXPECT_EQ(play->selection, (Selection{0, false}));
    ASSERT_EQ(play->events.size(), 1u);
    EXPECT_EQ(play->events.front().kind, MoveEventKind::IrisIn);
    EXPECT_FALSE(game.transition_running());
}

TEST_F(GameTest, GivenAMousePlayer_WhenTheGameStarts_ThenNoSnakeIsSelected) {
    set_last_input_device(InputDevice::Mouse);
    Game game;
    EXPECT_FALSE(game.level_play()->selection.has_value());
}

TEST_F(GameTest, GivenAWindowSize_ThenThePointerCanMapToTheBoard) {
    Game game;
    EXPECT_EQ(game.level_play()->camera, nullptr);
    game.set_window_size(800, 600);
    ASSERT_NE(game.level_play()->camera, nullptr);
    EXPECT_EQ(game.level_play()->camera->board_width, 4);
}

TEST_F(GameTest, GivenMovesMade_WhenTheLevelIsLeft_ThenItStartsAfresh) {
    set_last_input_device(InputDevice::Keyboard);
    Game game;
    game.set_window_size(800, 600);
    LevelPlay* play = game.level_play();
    cycle_selection(*play, true); // the first companion, which can step up
    run_command(*play, command::kUp);
    ASSERT_EQ(play->history.size(), 2u);
    game.leave_level(LevelEnd::Abandoned);
    play = game.level_play();
    ASSERT_NE(play, nullptr);
    EXPECT_EQ(play->history.size(), 1u);
    EXPECT_EQ(play->selection, (Selection{0, false}));
    EXPECT_NE(play->camera, nullptr);
}

TEST_F(GameTest, GivenAHeldUndo_WhenPassesGoBy_ThenItRepeatsOnThe26thPass) {
    set_last_input_device(InputDevice::Keyboard);
    Game game;
    LevelPlay& play = *game.level_play();
    cycle_selection(play, true);
    run_command(play, command::kUp);
    run_command(play, command::kLeft);
    ASSERT_EQ(play.history.size(), 3u);
    press_held_command(play, command::kUndo);
    EXPECT_EQ(play.history.size(), 2u);
    for (int pass = 1; pass <= 25; ++pass)
        game.step();
    EXPECT_EQ(play.history.size(), 2u);
    game.step();
    EXPECT_EQ(play.history.size(), 1u);
}

TEST_F(GameTest, GivenTheIntro_WhenStepped_ThenItPlaysOutAndIsDropped) {
    Game game;
    int passes = 0;
    while (!game.level_play()->events.empty() && passes < 100) {
        game.step();
        ++passes;
    }
    // 0.05 per pass until above 1.0, give or take float rounding.
    EXPECT_GE(passes, 20);
    EXPECT_LE(passes, 21);
}
