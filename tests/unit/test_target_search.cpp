// The designer's target search: the layouts it enumerates, what it says each
// target adds and how it ranks boards.

#include "target_placement.hpp"

#include "levels/board_parser.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace coilwend;

namespace {

Puzzle board_of(std::string_view picture, std::uint8_t setting = 4) {
    const auto parsed = parse_board(BoardText{"t.rs", "Test", setting, picture, "test", 1});
    EXPECT_TRUE(parsed.level) << parsed.error;
    return parsed.level ? parsed.level->puzzle : Puzzle{};
}

bool contains(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

// A snake of three on an open board, four steps from the exit; a target left
// of the exit makes it come round and enter from that side.
constexpr std::string_view kOpen = R"(
ground marks items snakes
......  ......  ......  ......
......  .E....  ......  ......
......  ......  ......  ..>>A.
)";

} // namespace

TEST(TargetSearchLayouts, GivenCellsWhenChoosingThenEverySubsetComesOnceInOrder) {
    const std::vector<Pos> cells{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}};
    const auto pairs = choose(cells, 2);
    ASSERT_EQ(pairs.size(), 10u);
    EXPECT_EQ(pairs.front(), (std::vector<Pos>{{0, 0}, {1, 0}}));
    EXPECT_EQ(pairs.back(), (std::vector<Pos>{{3, 0}, {4, 0}}));
    std::set<std::pair<int, int>> distinct;
    for (const auto& pair : pairs) {
        EXPECT_LT(pair[0].x, pair[1].x);
        distinct.insert({pair[0].x, pair[1].x});
    }
    EXPECT_EQ(distinct.size(), 10u);

    EXPECT_EQ(choose(cells, 5).size(), 1u);
    EXPECT_EQ(choose(cells, 0), (std::vector<std::vector<Pos>>{{}}));
    EXPECT_TRUE(choose(cells, 6).empty());
}

TEST(TargetSearchLayouts, GivenABoardThenTargetsMayGoAnywhereButWallsTheExitAndOldTargets) {
    const Puzzle start = board_of(R"(
ground marks items snakes
#...  ..oE  .+..  ....
....  ....  ....  >A..
)");
    const auto cells = target_candidates(start);
    EXPECT_EQ(cells.size(), 5u); // eight cells less the wall, the exit and the old target
    EXPECT_FALSE(contains(cells, {0, 1}));
    EXPECT_FALSE(contains(cells, {3, 1}));
    EXPECT_FALSE(contains(cells, {2, 1}));
    EXPECT_TRUE(contains(cells, {1, 1})) << "under an item";
    EXPECT_TRUE(contains(cells, {0, 0})) << "under a snake";
}

TEST(TargetSearchEffect, GivenTargetsOffTheDirectWayThenTheyLengthenTheSolutionAndEachIsMeasured) {
    Puzzle start = board_of(kOpen);
    start.targets = {{0, 1}, {0, 2}};
    const TargetEffect effect = measure_targets(start, SolveLimits{100'000});
    ASSERT_TRUE(effect.with.solvable);
    ASSERT_TRUE(effect.without_targets);
    EXPECT_EQ(*effect.without_targets, 4u);
    EXPECT_EQ(effect.with.moves.size(), 8u);
    ASSERT_EQ(effect.without_each.size(), 2u);
    for (const auto& moves : effect.without_each) {
        ASSERT_TRUE(moves);
        EXPECT_GT(*moves, *effect.without_targets);
        EXPECT_LE(*moves, effect.with.moves.size());
    }
}

TEST(TargetSearchEffect, GivenATargetNoSnakeCanReachThenTheBoardIsUnsolvableOnlyWithIt) {
    const Puzzle start = board_of(R"(
ground marks items snakes
...#.  ..E.o  .....  .....
...#.  .....  .....  >>A..
)");
    const TargetEffect effect = measure_targets(start, SolveLimits{100'000});
    EXPECT_FALSE(effect.with.solvable);
    ASSERT_EQ(effect.without_each.size(), 1u);
    EXPECT_TRUE(effect.without_each[0]);
}

TEST(TargetSearchScore, GivenReportsThenLongerTrappierAndTargetDrivenBoardsRankHigher) {
    const PlacementGoals goals{5, 20};
    SolveReport plain;
    plain.solvable = true;
    plain.moves.resize(10);
    plain.reachable = 100;
    plain.first_moves = 2;

    SolveReport trappy = plain;
    trappy.dead = 40;
    trappy.first_moves_dead = 1;
    EXPECT_GT(placement_score(trappy, 10, goals), placement_score(plain, 10, goals));
    // The same board scores higher when the targets are what made it long.
    EXPECT_GT(placement_score(plain, 4, goals), placement_score(plain, 10, goals));

    SolveReport too_long = plain;
    too_long.moves.resize(30);
    SolveReport at_most = plain;
    at_most.moves.resize(20);
    EXPECT_LT(placement_score(too_long, 30, goals), placement_score(at_most, 20, goals));

    SolveReport unsolvable = plain;
    unsolvable.solvable = false;
    SolveReport gave_up = plain;
    gave_up.gave_up = true;
    SolveReport finished = plain;
    finished.moves.clear();
    for (const SolveReport& hopeless : {unsolvable, gave_up, finished})
        EXPECT_LT(placement_score(hopeless, 0, goals), placement_score(plain, 10, goals) - 1000);
}

TEST(TargetSearchPlacement, GivenOneTargetToPlaceThenTheBestLayoutsComeFirstAndNoneIsFinished) {
    const Puzzle start = board_of(kOpen);
    PlacementSearch search;
    search.count = 1;
    search.keep = 3;
    search.limits = SolveLimits{100'000};
    const auto found = place_targets(start, search);
    ASSERT_EQ(found.size(), 3u);
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_EQ(found[i].puzzle.targets.size(), 1u);
        EXPECT_FALSE(is_complete(found[i].puzzle));
        EXPECT_EQ(found[i].moves_without_targets, 4u);
        EXPECT_GT(found[i].report.moves.size(), 4u) << "the best targets lengthen the solution";
        if (i > 0) {
            EXPECT_GE(found[i - 1].score, found[i].score);
        }
    }
}

TEST(TargetSearchPlacement, GivenAMovingExitAndMoreLayoutsThanTriesThenOnlyTheSampleIsSolved) {
    const Puzzle start = board_of(kOpen);
    PlacementSearch search;
    search.count = 1;
    search.move_exit = true;
    search.max_tries = 20;
    search.keep = 100;
    search.limits = SolveLimits{100'000};
    const auto found = place_targets(start, search);
    EXPECT_FALSE(found.empty());
    EXPECT_LE(found.size(), 20u);
    for (const Placement& p : found) {
        EXPECT_EQ(p.puzzle.targets.size(), 1u);
        EXPECT_FALSE(contains(p.puzzle.targets, p.puzzle.exit));
    }
}

TEST(TargetSearchRanking, GivenDraftsThenUnsolvableAndFinishedOnesAreDroppedAndTheRestSorted) {
    const Puzzle plain = board_of(kOpen);
    Puzzle with_target = plain;
    with_target.targets.push_back({0, 2});
    Puzzle finished = plain;
    finished.exit = {4, 0};
    Puzzle walled_in = plain;
    walled_in.walls = {{1, 0}, {1, 2}, {2, 1}};

    std::size_t reports = 0;
    const auto found = rank_boards({plain, finished, walled_in, with_target}, PlacementGoals{1, 20},
                                   SolveLimits{100'000}, 5, [&](std::size_t, std::size_t all) {
                                       EXPECT_EQ(all, 4u);
                                       ++reports;
                                   });
    EXPECT_EQ(reports, 1u);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].puzzle, with_target);
    EXPECT_EQ(found[1].puzzle, plain);
}
