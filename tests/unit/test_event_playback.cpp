#include "game/event_playback.hpp"
#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

int passes_until_empty(LevelPlay& play, int limit = 1000) {
    int passes = 0;
    while (!play.events.empty() && passes < limit) {
        advance_front_event(play);
        ++passes;
    }
    return passes;
}

TEST(LevelStart, SelectsTheFirstNonCompanionUnlessThePlayerUsesTheMouse) {
    Puzzle p = parallel();
    p.snakes = {snake({{0, 1}, {1, 1}}, false, true), snake({{3, 2}, {3, 1}})};
    const LevelPlay keyboard = start_level(p, StartSelection::FirstSnake);
    EXPECT_EQ(keyboard.selection, (Selection{1, false}));
    EXPECT_EQ(keyboard.random, 1u);
    ASSERT_EQ(keyboard.events.size(), 1u);
    EXPECT_EQ(keyboard.events.front().kind, MoveEventKind::IrisIn);
    EXPECT_FALSE(start_level(p, StartSelection::None).selection.has_value());

    p.name = "Humble Beginnings";
    EXPECT_EQ(start_level(p, StartSelection::None).events.front().kind, MoveEventKind::Intro);
}

TEST(Playback, StepsTakeTenPassesAndABacklogPlaysFaster) {
    Played game(open_board(9, 1));
    game.play.history[0].puzzle.snakes = {snake({{0, 0}, {1, 0}})};
    run_command(game.play, command::kRight);
    EXPECT_EQ(passes_until_empty(game.play), 10);

    for (int i = 0; i < 3; ++i)
        run_command(game.play, command::kRight);
    // Three queued: the first moves by 0.3 per pass, then 0.2, then 0.1
    // (single-precision sums may need one pass more than the exact count).
    EXPECT_NEAR(passes_until_empty(game.play), 4 + 5 + 10, 1);
}

TEST(Playback, BumpAndVanishAndIrisSpeeds) {
    Puzzle p = open_board(4, 1);
    p.snakes = {snake({{0, 0}, {1, 0}})};
    p.items = {{ItemKind::Shrink, {2, 0}}};
    Played game(p);
    run_command(game.play, command::kLeft); // onto the neck: nothing
    EXPECT_TRUE(game.play.events.empty());
    game.play.history[0].puzzle.walls = {{2, 0}};
    run_command(game.play, command::kRight);
    EXPECT_EQ(passes_until_empty(game.play), 10);

    game.play.history[0].puzzle.walls.clear();
    run_command(game.play, command::kRight);
    run_command(game.play, command::kRight); // leaves the shrink item: vanishes
    advance_front_event(game.play);
    while (game.play.events.front().kind == MoveEventKind::Step)
        advance_front_event(game.play);
    ASSERT_EQ(game.play.events.front().kind, MoveEventKind::Vanish);
    EXPECT_NEAR(passes_until_empty(game.play), 25, 1); // 0.04 per pass until above 1

    LevelPlay fresh = start_level(p, StartSelection::None);
    EXPECT_NEAR(passes_until_empty(fresh), 20, 1); // 0.05 per pass until above 1
}

TEST(Playback, IntroLoopsUntilAnotherEventWaits) {
    Puzzle p = open_board(5, 1);
    p.name = "Humble Beginnings";
    p.snakes = {snake({{0, 0}, {1, 0}})};
    LevelPlay play = start_level(p, StartSelection::FirstSnake);
    for (int i = 0; i < 500; ++i)
        advance_front_event(play);
    ASSERT_EQ(play.events.size(), 1u);
    EXPECT_LT(play.events.front().progress, 4.0f);
    run_command(play, command::kRight);
    advance_front_event(play);
    ASSERT_EQ(play.events.size(), 1u);
    EXPECT_EQ(play.events.front().kind, MoveEventKind::Step);
}

TEST(Playback, ExitCrawlsCellByCellWithCuesThenLeaves) {
    Puzzle p = open_board(5, 1);
    p.exit = {4, 0};
    p.snakes = {snake({{1, 0}, {2, 0}, {3, 0}})};
    Played game(p);
    run_command(game.play, command::kRight);
    ASSERT_EQ(game.play.events.back().kind, MoveEventKind::Exit);
    game.recorder.cues.clear();

    std::vector<std::vector<Pos>> stages;
    std::vector<Pos> given_up;
    int passes = 0;
    while (game.play.events.front().kind == MoveEventKind::Exit) {
        const auto before = game.play.events.front().cells;
        advance_front_event(game.play);
        ++passes;
        const MoveEvent& event = game.play.events.front();
        if (event.cells != before) {
            stages.push_back(event.cells);
            given_up.push_back(event.trailing);
            EXPECT_TRUE(event.crawling);
        }
    }
    // Each crawl stage animates as a step that gives up the copy's first cell.
    EXPECT_EQ(given_up, cells({{2, 0}, {3, 0}}));
    // The snake (2,0),(3,0),(4,0) crawls in: two crawls, then it is inside.
    ASSERT_EQ(stages.size(), 2u);
    EXPECT_EQ(stages[0], cells({{3, 0}, {4, 0}, {4, 0}}));
    EXPECT_EQ(stages[1], cells({{4, 0}, {4, 0}, {4, 0}}));
    EXPECT_EQ(passes, 30);
    // Crawl cues count the repeated cells before each crawl (0, then 1), then the exit cue.
    EXPECT_EQ(game.recorder.cues, (std::vector<int>{0, 1, cue::kExit}));
    EXPECT_EQ(game.play.events.front().kind, MoveEventKind::Leaving);
    EXPECT_FLOAT_EQ(game.play.events.front().progress, 1.0f);
    EXPECT_NEAR(passes_until_empty(game.play), 20, 1);
    EXPECT_TRUE(level_solved(game.play));
}

TEST(Holding, RepeatsAfterTwentySixPassesThenEveryEleven) {
    Played game(open_board(11, 1));
    game.play.history[0].puzzle.snakes = {snake({{0, 0}, {1, 0}})};
    press_held_command(game.play, command::kRight);
    EXPECT_EQ(game.play.history.size(), 2u);
    std::vector<int> repeat_passes;
    for (int pass = 1; pass <= 50; ++pass) {
        const auto before = game.play.history.size();
        repeat_held_command(game.play);
        if (game.play.history.size() != before)
            repeat_passes.push_back(pass);
    }
    EXPECT_EQ(repeat_passes, (std::vector<int>{26, 37, 48}));
}

TEST(Holding, PressingAnotherDirectionTakesOverAndReleasingTheOldOneKeepsIt) {
    Played game(open_board(6, 6));
    game.play.history[0].puzzle.snakes = {snake({{0, 0}, {1, 0}})};
    press_held_command(game.play, command::kRight);
    press_held_command(game.play, command::kUp);
    EXPECT_EQ(game.play.history.size(), 3u);
    release_held_command(game.play, command::kRight);
    EXPECT_NE(game.play.repeat_active, 0u);
    EXPECT_EQ(game.play.repeat_command, command::kUp);
    press_held_command(game.play, command::kUp); // already held: not run again
    EXPECT_EQ(game.play.history.size(), 3u);
    release_held_command(game.play, command::kUp);
    EXPECT_EQ(game.play.repeat_active, 0u);
}

TEST(StuckPulse, CountsDownAroundFifty) {
    LevelPlay play = make_level_play(parallel());
    step_stuck_phase(play);
    EXPECT_FALSE(play.stuck.has_value());
    play.stuck = 0;
    step_stuck_phase(play);
    EXPECT_EQ(play.stuck, 49u);
    step_stuck_phase(play);
    EXPECT_EQ(play.stuck, 48u);
}

TEST(ShownEntry, FollowsTheFrontEvent) {
    Played game(open_board(6, 1));
    game.play.history[0].puzzle.snakes = {snake({{0, 0}, {1, 0}})};
    run_command(game.play, command::kRight);
    run_command(game.play, command::kRight);
    EXPECT_EQ(&shown_entry(game.play), &game.play.history[1]);
    game.play.events.clear();
    EXPECT_EQ(&shown_entry(game.play), &game.play.history[2]);
}

} // namespace
