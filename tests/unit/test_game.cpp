// The scene controller's level play without GL: how a level starts, how the
// game step repeats held commands and plays the queued animations, which
// history entry each frame shows, and when a level is left.

#include "board_renderer/board_view.hpp"
#include "game/event_playback.hpp"
#include "game/input_device.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "overworld/game.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string_view>
#include <vector>

using namespace coilwend;

namespace {

// Records every frame it is asked to draw.
struct RecordingBoard final : BoardView {
    struct Frame {
        const Puzzle* puzzle;
        std::string_view level;
        MoveEventKind kind;
        float progress;
        std::uint64_t history_length;
        std::optional<Selection> selection;
        PromptDevice prompts;
    };
    std::vector<Frame> frames;
    BoardCamera view;
    std::uint32_t width = 0, height = 0;

    void set_window_size(std::uint32_t w, std::uint32_t h) override {
        width = w;
        height = h;
    }
    void draw(const BoardFrame& frame) override {
        const MoveEventKind kind = frame.event ? frame.event->kind : MoveEventKind::None;
        const float progress = frame.event ? frame.event->progress : 0.0f;
        frames.push_back({frame.puzzle, frame.puzzle->name, kind, progress, frame.history_length,
                          frame.selection, frame.prompts});
    }
    const BoardCamera& camera() const override { return view; }
};

struct GameTest : ::testing::Test {
    ~GameTest() override { set_last_input_device(InputDevice::Mouse); }
};

// Steps until the played level has no animation left; returns the passes taken.
int play_out(Game& game, int limit = 1000) {
    int passes = 0;
    while (game.level_play() && !game.level_play()->events.empty() && passes < limit) {
        game.step();
        ++passes;
    }
    return passes;
}

// The title of the overworld entry at index i.
std::string_view title_of(const Game& game, std::size_t i) {
    return find_level(game.levels()[i].id).puzzle.name;
}

// Presses the first `moves` move letters of the level's stored solution (and
// the snake changes before them), so the tests follow the level designs.
void play_solution_start(LevelPlay& play, std::string_view id, std::size_t moves) {
    const std::string_view letters = stored_solution(id);
    std::size_t end = 0, counted = 0;
    while (end < letters.size() && counted < moves)
        counted += letters[end++] != 'N';
    ASSERT_EQ(counted, moves) << id << " has a shorter solution";
    ASSERT_TRUE(play_letters(play, letters.substr(0, end)));
}

// The history index of the entry a frame showed.
std::size_t shown_index(const LevelPlay& play, const Puzzle* puzzle) {
    for (std::size_t i = 0; i < play.history.size(); ++i)
        if (&play.history[i].puzzle == puzzle)
            return i;
    return play.history.size();
}

} // namespace

TEST_F(GameTest, GivenAKeyboardOrControllerPlayer_WhenTheGameStarts_ThenTheFirstLevelHasItsSnake) {
    for (const InputDevice device : {InputDevice::Keyboard, InputDevice::Controller}) {
        set_last_input_device(device);
        Game game;
        EXPECT_EQ(game.selected(), 0u);
        EXPECT_EQ(game.levels()[0].id, "38.rs");
        LevelPlay* play = game.level_play();
        ASSERT_NE(play, nullptr);
        EXPECT_EQ(play->current().name, "Humble Beginnings");
        EXPECT_EQ(play->selection, (Selection{0, false}));
        EXPECT_EQ(play->random, 1u);
        ASSERT_EQ(play->events.size(), 1u);
        EXPECT_EQ(play->events.front().kind, MoveEventKind::Intro);
        EXPECT_FALSE(game.transition_running());
    }
}

TEST_F(GameTest, GivenAMousePlayer_WhenALevelStarts_ThenNoSnakeIsSelected) {
    set_last_input_device(InputDevice::Mouse);
    Game game;
    EXPECT_FALSE(game.level_play()->selection.has_value());
    set_last_input_device(InputDevice::Keyboard);
    game.leave_level(LevelEnd::Abandoned);
    EXPECT_TRUE(game.level_play()->selection.has_value()) << "the next start asks again";
}

TEST_F(GameTest, GivenAWindow_WhenALevelStarts_ThenThePointerSteersOnItsFirstPass) {
    set_last_input_device(InputDevice::Keyboard);
    RecordingBoard board;
    Game game(&board);
    game.set_window_size(800, 600);
    EXPECT_EQ(board.width, 800u);
    const BoardCamera* camera = game.level_camera();
    ASSERT_NE(camera, nullptr) << "known before anything is drawn";
    LevelPlay& play = *game.level_play();
    const Pos lead = play.current().snakes[0].cells.back();
    // Point at the free neighbour the stored solution steps to first.
    ASSERT_TRUE(play_letters(play, stored_solution(game.levels()[0].id).substr(0, 1)));
    const Pos next = play.current().snakes[0].cells.back();
    undo(play);
    const Vec4 clip = camera->view_projection * Vec4{float(next.x), float(next.y), 0, 1};
    steer_to_pointer(play, *camera, std::uint32_t((clip.x / clip.w + 1) / 2 * 800),
                     std::uint32_t((1 - clip.y / clip.w) / 2 * 600));
    EXPECT_NE(play.current().snakes[0].cells.back(), lead);
    EXPECT_EQ(play.current().snakes[0].cells.back(), next);
}

TEST_F(GameTest, GivenAHeldUndo_WhenTheGameSteps_ThenItRepeatsOnThe26thPassAndEvery11th) {
    set_last_input_device(InputDevice::Keyboard);
    Game game;
    LevelPlay& play = *game.level_play();
    play_solution_start(play, game.levels()[0].id, 4);
    const std::size_t made = play.history.size();
    ASSERT_EQ(made, 5u);
    press_held_command(play, command::kUndo);
    ASSERT_EQ(play.history.size(), made - 1) << "a press acts at once";
    for (int pass = 1; pass <= 25; ++pass)
        game.step();
    EXPECT_EQ(play.history.size(), made - 1);
    game.step();
    EXPECT_EQ(play.history.size(), made - 2) << "first repeat on the 26th pass";
    for (int pass = 1; pass <= 10; ++pass)
        game.step();
    EXPECT_EQ(play.history.size(), made - 2);
    game.step();
    EXPECT_EQ(play.history.size(), made - 3) << "then every 11th";
    release_held_command(play, command::kUndo);
    for (int pass = 1; pass <= 30; ++pass)
        game.step();
    EXPECT_EQ(play.history.size(), made - 3) << "released: no more repeats";
}

TEST_F(GameTest,
       GivenTheSolvingMove_WhenItsAnimationsPlayOut_ThenTheLevelIsLeftCompletedAfterwards) {
    set_last_input_device(InputDevice::Keyboard);
    RecordingBoard board;
    Game game(&board);
    LevelPlay& play = *game.level_play();
    ASSERT_TRUE(play_letters(play, stored_solution(game.levels()[0].id)));
    ASSERT_TRUE(is_complete(play.current()));

    // The exit crawl and the closing iris still have to be seen.
    int passes = 0;
    while (game.update()) {
        ASSERT_EQ(game.level_play(), &play);
        EXPECT_FALSE(game.last_level_end().has_value());
        ASSERT_LT(++passes, 1000);
    }
    EXPECT_GT(passes, 20);
    EXPECT_EQ(game.last_level_end(), LevelEnd::Completed);
    EXPECT_EQ(game.selected(), 1u);
    EXPECT_EQ(game.level_play()->current().name, title_of(game, 1));
}

TEST_F(GameTest, GivenTheSolvedPass_ThenNothingIsDrawnThatPass) {
    set_last_input_device(InputDevice::Keyboard);
    RecordingBoard board;
    Game game(&board);
    ASSERT_TRUE(play_letters(*game.level_play(), stored_solution(game.levels()[0].id)));
    std::size_t frames_before = 0;
    for (int pass = 0; pass < 1000 && !game.last_level_end(); ++pass) {
        frames_before = board.frames.size();
        game.step();
    }
    ASSERT_EQ(game.last_level_end(), LevelEnd::Completed);
    EXPECT_EQ(board.frames.size(), frames_before);
    ASSERT_FALSE(board.frames.empty());
    EXPECT_EQ(board.frames.back().level, title_of(game, 0));
    EXPECT_EQ(board.frames.back().kind, MoveEventKind::Leaving) << "the iris closed last";
}

TEST_F(GameTest, GivenEscape_WhenLevelsAreLeft_ThenTheTableIsWalkedInOrderAndWraps) {
    Game game;
    const std::size_t count = game.levels().size();
    game.leave_level(LevelEnd::Abandoned);
    EXPECT_EQ(game.last_level_end(), LevelEnd::Abandoned);
    EXPECT_EQ(game.selected(), 1u);
    EXPECT_EQ(game.level_play()->history.size(), 1u);
    for (std::size_t i = 1; i < count; ++i)
        game.leave_level(LevelEnd::Abandoned);
    EXPECT_EQ(game.selected(), 0u);
    EXPECT_EQ(game.level_play()->current().name, title_of(game, 0));
}

TEST_F(GameTest, GivenQueuedMoves_WhenDrawn_ThenEachFrameShowsTheFrontEventsEntry) {
    set_last_input_device(InputDevice::Keyboard);
    RecordingBoard board;
    Game game(&board);
    game.leave_level(LevelEnd::Abandoned); // a level whose opening is the iris
    board.frames.clear();
    LevelPlay& play = *game.level_play();
    play_solution_start(play, game.levels()[1].id, 2);
    ASSERT_EQ(play.history.size(), 3u);
    ASSERT_EQ(play.events.size(), 3u) << "iris, then two steps";

    play_out(game);
    game.step();
    ASSERT_FALSE(board.frames.empty());
    std::vector<std::size_t> shown;
    for (const auto& frame : board.frames) {
        EXPECT_EQ(frame.history_length, 3u);
        EXPECT_EQ(frame.selection, play.selection);
        shown.push_back(shown_index(play, frame.puzzle));
    }
    // The iris plays over the start, then each step over its own entry.
    EXPECT_EQ(shown.front(), 0u);
    EXPECT_EQ(board.frames.front().kind, MoveEventKind::IrisIn);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_NE(std::find(shown.begin(), shown.end(), 1u), shown.end());
    EXPECT_EQ(shown.back(), 2u);
    EXPECT_EQ(board.frames.back().kind, MoveEventKind::None);
    for (const auto& frame : board.frames) {
        if (frame.kind == MoveEventKind::Step) {
            EXPECT_GT(std::fabs(frame.progress), 0.0f) << "a finished step is not shown";
            EXPECT_LE(std::fabs(frame.progress), 1.0f);
        }
    }
}

TEST_F(GameTest, GivenTheLastInputDevice_ThenTheBoardsPromptsFollowIt) {
    RecordingBoard board;
    Game game(&board);
    set_last_input_device(InputDevice::Controller);
    game.step();
    set_last_input_device(InputDevice::Mouse);
    game.step();
    ASSERT_EQ(board.frames.size(), 2u);
    EXPECT_EQ(board.frames[0].prompts, PromptDevice::Controller);
    EXPECT_EQ(board.frames[1].prompts, PromptDevice::Mouse);
}

TEST_F(GameTest, GivenTheIrisOpening_WhenStepped_ThenItPlaysOutInTwentyOddPasses) {
    Game game;
    game.leave_level(LevelEnd::Abandoned);
    ASSERT_EQ(game.level_play()->events.front().kind, MoveEventKind::IrisIn);
    const int passes = play_out(game);
    // 0.05 per pass until above 1.0, give or take float rounding.
    EXPECT_GE(passes, 20);
    EXPECT_LE(passes, 21);
}

TEST_F(GameTest, GivenAStuckPuzzle_WhenStepped_ThenThePulsePhaseRunsDownAndWraps) {
    Game game;
    LevelPlay& play = *game.level_play();
    play.stuck = 1;
    game.update();
    EXPECT_EQ(play.stuck, 0u);
    game.update();
    EXPECT_EQ(play.stuck, 49u);
}
