// Long random command sequences must keep the rules' invariants on real boards.
#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

void expect_invariants(const LevelPlay& play, const std::string& where) {
    ASSERT_FALSE(play.history.empty()) << where;
    const Puzzle& p = play.current();
    std::vector<Pos> occupied;
    for (const Snake& s : p.snakes) {
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const Pos c = s.cells[i];
            ASSERT_TRUE(on_board(p, c)) << where;
            ASSERT_FALSE(is_wall(p, c)) << where;
            if (i > 0) {
                ASSERT_TRUE(are_neighbours(c, s.cells[i - 1])) << where;
            }
            ASSERT_EQ(std::count(occupied.begin(), occupied.end(), c), 0)
                << where << ": shared cell";
            occupied.push_back(c);
        }
        if (s.companion) {
            for (Pos c : s.cells) {
                ASSERT_FALSE(is_water(p, c)) << where;
            }
        }
    }
    if (play.selection) {
        ASSERT_LT(play.selection->snake, p.snakes.size()) << where;
        ASSERT_FALSE(p.snakes[play.selection->snake].cells.empty()) << where;
    }
}

void run_random_session(const Puzzle& start, std::uint32_t seed) {
    std::mt19937 rng(seed);
    CueRecorder recorder;
    LevelPlay play = make_level_play(start);
    play.sounds = &recorder;
    play.selection = Selection{0, false};
    for (int step = 0; step < 3000; ++step) {
        const std::string where = "seed " + std::to_string(seed) + " step " + std::to_string(step);
        const std::size_t length_before = play.history.size();
        const HistoryEntry last_before = play.history.back();
        const std::optional<Puzzle> previous_before =
            length_before >= 2 ? std::optional<Puzzle>(play.history[length_before - 2].puzzle)
                               : std::nullopt;
        const auto selection_before = play.selection;
        const int choice = static_cast<int>(rng() % 20);
        if (choice < 12) {
            run_command(play, static_cast<std::uint8_t>(1 + rng() % 4));
            ASSERT_LE(play.history.size(), length_before + 1) << where;
        } else if (choice < 15) {
            cycle_selection(play, rng() % 2 == 0);
        } else if (choice < 19) {
            const bool could_undo = length_before >= 2 && !is_complete(play.current());
            run_command(play, command::kUndo);
            if (could_undo) {
                ASSERT_EQ(play.history.size(), length_before - 1) << where;
                ASSERT_EQ(play.current(), *previous_before) << where;
                ASSERT_EQ(play.selection, last_before.selection) << where;
            } else {
                ASSERT_EQ(play.history.size(), length_before) << where;
                ASSERT_EQ(play.selection, selection_before) << where;
            }
        } else {
            reset(play);
            ASSERT_EQ(play.current(), start) << where;
        }
        expect_invariants(play, where);
        if (::testing::Test::HasFatalFailure())
            return;
    }
}

TEST(RandomSessions, KeepEveryInvariantOnParallel) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed)
        run_random_session(parallel(), seed);
}

TEST(RandomSessions, KeepEveryInvariantOnEkans) {
    for (std::uint32_t seed = 1; seed <= 6; ++seed)
        run_random_session(ekans(), seed);
}

TEST(RandomSessions, KeepEveryInvariantWithItemsWaterAndTwoHeads) {
    Puzzle p = open_board(6, 5);
    p.exit = {5, 4};
    p.walls = {{2, 2}, {3, 2}};
    p.water = {{0, 4}, {1, 4}, {5, 0}};
    p.targets = {{4, 4}};
    p.items = {{ItemKind::Grow, {1, 1}},
               {ItemKind::Shrink, {4, 1}},
               {ItemKind::Grow, {0, 3}},
               {ItemKind::Shrink, {5, 2}}};
    p.snakes = {snake({{0, 0}, {1, 0}, {2, 0}}), snake({{3, 3}, {4, 3}, {5, 3}}, true),
                snake({{2, 4}, {3, 4}}, false, true)};
    for (std::uint32_t seed = 1; seed <= 6; ++seed)
        run_random_session(p, seed);
}

} // namespace
