// The designer's workbench: pictures it writes parse back into the same
// puzzle, its measures of two-headed play are right on boards small enough to
// check by hand, and its changes never break a level file's invariants.

#include "board_analysis.hpp"
#include "board_mutation.hpp"
#include "scramble.hpp"
#include "snakes_view.hpp"

#include "levels/board_parser.hpp"
#include "levels/catalogue.hpp"

#include <gtest/gtest.h>

using namespace coilwend;
using namespace coilwend::heads_lab;

namespace {

Puzzle board_of(std::string_view picture, std::uint8_t setting = 3) {
    const auto parsed = parse_board(BoardText{"t.rs", "Test", setting, picture, "test", 1});
    EXPECT_TRUE(parsed.level) << parsed.error;
    return parsed.level ? parsed.level->puzzle : Puzzle{};
}

// A two-headed snake whose last cell is walled in: only its first cell can lead.
constexpr std::string_view kWalledHead = R"(
ground marks items snakes
.#...  E....  .....  .....
.###.  .....  .....  .....
.....  .....  .....  .>>>A
two-headed: A
)";

// A two-headed snake that must back out of a pocket past a one-headed companion.
constexpr std::string_view kPocket = R"(
ground marks items snakes
###.###  .......  .......  .......
###.###  .......  .......  .......
.......  ......E  .......  >A..b<<
two-headed: A
)";

} // namespace

TEST(HeadsLabView, GivenAPositionThenSnakesCoverTheBoardAndTheRestShowsThrough) {
    const Puzzle start = board_of(R"(
ground marks items snakes
...~#  o....  .+...  v<<..
.....  ...@.  ...-.  >>A.c
~....  .o...  .....  .b<<^
two-headed: A
)");
    EXPECT_EQ(write_snakes(start), "v<<~#\n>>AEc\n~b<<^\n");
    Puzzle overlapping = start;
    overlapping.snakes.push_back(Snake{{{1, 0}, {1, 1}}, false, true});
    EXPECT_NE(write_snakes(overlapping).find('?'), std::string::npos);
}

TEST(HeadsLabAnalysis, GivenAWalledInHeadThenOnlyTheOtherEndLeadsAndOneHeadSufficesReversed) {
    const Puzzle start = board_of(kWalledHead);
    const SolveReport r = solve(start);
    ASSERT_TRUE(r.solvable);
    EXPECT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(lead_changes(start, r.moves), 1u);
    // Fixed to its first cell, the snake is the same puzzle; fixed to its last, it is stuck.
    EXPECT_EQ(one_headed_moves(start, {}), std::optional<std::size_t>(3));
}

TEST(HeadsLabAnalysis, GivenThePocketThenNoOneHeadedVariantSolvesAndTheFirstStepsHoldTraps) {
    const Puzzle start = board_of(kPocket);
    const SolveReport r = solve(start);
    ASSERT_TRUE(r.solvable);
    EXPECT_FALSE(one_headed_moves(start, {}).has_value());
    const auto steps = traps_along(start, r.moves, {});
    ASSERT_EQ(steps.size(), r.moves.size());
    // Letting the companion come first shuts both snakes in.
    EXPECT_EQ(steps[0].moves, 2u);
    EXPECT_EQ(steps[0].dead, 1u);
    const auto positions = replay(start, r.moves);
    EXPECT_EQ(positions.size(), r.moves.size() + 1);
    EXPECT_TRUE(is_complete(positions.back()));
}

TEST(HeadsLabAnalysis, GivenThePocketWhenEachPieceIsRemovedThenTheCompanionAndTheHeadsMatter) {
    const auto list = ablations(board_of(kPocket), {});
    auto find = [&](std::string_view piece) {
        for (const Ablation& a : list)
            if (a.piece == piece)
                return a;
        ADD_FAILURE() << piece;
        return Ablation{};
    };
    EXPECT_EQ(find("snake b").moves, std::optional<std::size_t>(5));
    EXPECT_FALSE(find("one head for A, last cell leading").moves);
    EXPECT_FALSE(find("one head for A, first cell leading").moves);
    // A wall in the far corner changes nothing; one beside the pocket gives the companion room.
    EXPECT_EQ(find("wall (0, 2)").moves, std::optional<std::size_t>(12));
    EXPECT_EQ(find("wall (0, 2)").dead, 7u);
    EXPECT_NE(find("wall (2, 1)").dead, 7u);
}

TEST(HeadsLabAnalysis, GivenAOneHeadedSnakeThenLeadChangesCountOnlyTwoHeadedSnakes) {
    const Puzzle start = board_of(R"(
ground marks items snakes
.....  ....E  .....  .....
.....  .....  .....  >>A..
)");
    const std::vector<SolverMove> moves{{0, false, kRight}, {0, false, kUp}};
    EXPECT_EQ(lead_changes(start, moves), 0u);
    Puzzle both = start;
    both.snakes[0].two_headed = true;
    const std::vector<SolverMove> back_and_forth{
        {0, true, kUp}, {0, true, kRight}, {0, false, kRight}, {0, true, kDown}};
    EXPECT_EQ(lead_changes(both, back_and_forth), 3u);
}

TEST(HeadsLabSearch, GivenBrokenBoardsThenValidBoardRejectsEach) {
    const Puzzle good = board_of(kPocket);
    EXPECT_TRUE(valid_board(good));
    Puzzle on_wall = good;
    on_wall.walls.push_back(good.snakes[0].cells[0]);
    EXPECT_FALSE(valid_board(on_wall));
    Puzzle overlap = good;
    overlap.snakes[1].cells.back() = good.snakes[0].cells.back();
    EXPECT_FALSE(valid_board(overlap));
    Puzzle wet = good;
    wet.water.push_back(good.snakes[1].cells[0]);
    EXPECT_FALSE(valid_board(wet));
    Puzzle wall_in_water = good;
    wall_in_water.water.push_back({0, 2});
    wall_in_water.walls.push_back({0, 2});
    EXPECT_FALSE(valid_board(wall_in_water));
    Puzzle item_under_snake = good;
    item_under_snake.items.push_back({ItemKind::Grow, good.snakes[0].cells[0]});
    EXPECT_FALSE(valid_board(item_under_snake));
    Puzzle finished = good;
    finished.exit = good.snakes[0].cells[0];
    EXPECT_FALSE(valid_board(finished));
}

TEST(HeadsLabSearch, GivenManyRandomChangesThenEveryBoardStaysValidAndFrozenPartsStay) {
    const Puzzle start = board_of(R"(
ground marks items snakes
#....  ..o.E  .+...  .....
.....  .....  ...-.  >>A.c
~....  .....  .....  .b<<^
two-headed: A
)");
    std::mt19937_64 rng(7);
    Frozen frozen;
    frozen.walls = true;
    frozen.exit = true;
    Puzzle p = start;
    for (int i = 0; i < 500; ++i) {
        p = mutate(p, frozen, rng);
        ASSERT_TRUE(valid_board(p)) << write_snakes(p);
        ASSERT_EQ(p.walls, start.walls);
        ASSERT_EQ(p.exit, start.exit);
        ASSERT_EQ(p.snakes.size(), start.snakes.size());
        for (std::size_t s = 0; s < p.snakes.size(); ++s) {
            ASSERT_EQ(p.snakes[s].cells.size(), start.snakes[s].cells.size());
            ASSERT_EQ(p.snakes[s].two_headed, start.snakes[s].two_headed);
            ASSERT_EQ(p.snakes[s].companion, start.snakes[s].companion);
        }
    }
}

TEST(HeadsLabSearch, GivenTheScoreThenUnsolvableIsWorstAndNeedlessHeadsArePunished) {
    const Puzzle walled = board_of(kWalledHead);
    const Goals plain;
    Goals heads;
    heads.need_heads = true;
    const SolveReport r = solve(walled);
    EXPECT_LT(puzzle_score(walled, r, heads), puzzle_score(walled, r, plain));
    Puzzle shut = walled;
    shut.walls.push_back({0, 0});
    const double unsolvable = puzzle_score(shut, solve(shut), plain);
    EXPECT_LT(unsolvable, puzzle_score(walled, r, heads));
    // Too big to search is worse still, but less so with every wall added.
    const SolveReport too_big = solve(walled, SolveLimits{2});
    ASSERT_TRUE(too_big.gave_up);
    EXPECT_LT(puzzle_score(walled, too_big, plain), unsolvable);
    EXPECT_LT(puzzle_score(walled, too_big, plain), puzzle_score(shut, too_big, plain));
}

TEST(HeadsLabSearch, GivenTheExitFollowsTheFirstSnakeThenEveryChangeKeepsItUnderItsHead) {
    const Puzzle start = board_of(R"(
ground marks items snakes
.....  o....  .....  .....
.....  ..E..  .....  >>A..
.....  .....  .....  .b<<.
.....  ....o  .....  >c...
two-headed: A
)");
    Frozen frozen;
    frozen.exit_under_first_snake = true;
    std::mt19937_64 rng(3);
    Puzzle p = start;
    for (int i = 0; i < 200; ++i) {
        p = mutate(p, frozen, rng);
        ASSERT_EQ(p.exit, p.snakes[0].cells.back());
        ASSERT_FALSE(is_complete(p)); // unfinished only because a target is bare
    }
}

TEST(HeadsLabScramble, GivenAFinishedPositionWhenWalkedBackThenEveryStartCanReachAFinish) {
    // Finished: the two-headed snake's first cell is on the exit.
    const Puzzle finish = board_of(R"(
ground marks items snakes
.....  .....  .....  .....
.#...  .....  .....  ..b<<
.....  E....  .....  >>>A.
.....  .....  .....  .c<<.
two-headed: A
)");
    ASSERT_TRUE(is_complete(finish));
    std::mt19937_64 rng(5);
    Puzzle at = finish;
    for (int i = 0; i < 60; ++i) {
        const Puzzle back = step_back(at, rng);
        ASSERT_EQ(back.walls, finish.walls);
        for (std::size_t s = 0; s < back.snakes.size(); ++s) {
            ASSERT_EQ(back.snakes[s].cells.size(), finish.snakes[s].cells.size());
        }
        at = back;
        if (i % 10 == 9) {
            EXPECT_TRUE(solve(at).solvable) << write_snakes(at);
        }
    }
    Frozen frozen;
    frozen.backwards = true;
    const Puzzle start = mutate(finish, frozen, rng);
    EXPECT_FALSE(start == finish);
    EXPECT_TRUE(valid_board(start));
    EXPECT_TRUE(solve(start).solvable);
}

TEST(HeadsLabScramble, GivenNoSnakeCanMoveThenSteppingBackChangesNothing) {
    const Puzzle stuck = board_of(R"(
ground marks items snakes
#...  ...E  ....  ....
....  ....  ....  >>>A
)");
    std::mt19937_64 rng(1);
    // The tail is against the edge, so a one-headed snake cannot be pulled back.
    EXPECT_EQ(step_back(stuck, rng), stuck);
}
