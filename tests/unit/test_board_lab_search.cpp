// The designer's lab, proposing side: one scorer with the designers' goals,
// the annealing search and the backwards walk keep only distinct solvable
// boards best first, and target layouts are enumerated and ranked.

#include "board_lab/ablation.hpp"
#include "board_lab/board_rules.hpp"
#include "board_lab/score.hpp"
#include "board_lab/search.hpp"
#include "board_lab/solution_walk.hpp"
#include "board_lab/target_placement.hpp"

#include "support/board_lab_fixtures.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace coilwend;
using namespace coilwend::board_lab;
using namespace coilwend::testing;

namespace {

void expect_distinct_solvable_best_first(const std::vector<Scored>& found) {
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].report.solvable);
        if (i > 0) {
            EXPECT_GE(found[i - 1].score, found[i].score);
            EXPECT_FALSE(canonical(found[i - 1].puzzle) == canonical(found[i].puzzle));
        }
    }
}

} // namespace

TEST(BoardLabScore, GivenReportsThenLongerAndTrappierRankHigherAndHopelessBoardsLowest) {
    const Puzzle open = board_of(kOpen);
    const ScoreGoals goals{.min_moves = 5, .max_moves = 20};
    SolveReport plain;
    plain.solvable = true;
    plain.moves.resize(10);
    plain.reachable = 100;
    plain.first_moves = 2;

    SolveReport trappy = plain;
    trappy.dead = 40;
    trappy.first_moves_dead = 1;
    EXPECT_GT(base_score(open, trappy, goals), base_score(open, plain, goals));

    SolveReport too_long = plain;
    too_long.moves.resize(30);
    SolveReport at_most = plain;
    at_most.moves.resize(20);
    EXPECT_LT(base_score(open, too_long, goals), base_score(open, at_most, goals));

    SolveReport unsolvable = plain;
    unsolvable.solvable = false;
    SolveReport gave_up = plain;
    gave_up.gave_up = true;
    SolveReport finished = plain;
    finished.moves.clear();
    for (const SolveReport& hopeless : {unsolvable, gave_up, finished})
        EXPECT_LT(base_score(open, hopeless, goals), base_score(open, plain, goals) - 1000);
}

TEST(BoardLabScore, GivenBoardsTooBigToSearchThenTheyScoreBelowUnsolvableButRiseWithWalls) {
    const Puzzle walled = board_of(kWalledHead);
    Puzzle shut = walled;
    shut.walls.push_back({0, 0});
    const ScoreGoals goals;
    const double unsolvable = evaluate(shut, goals, {}).score;
    EXPECT_LT(unsolvable, evaluate(walled, goals, {}).score - 900);
    const SolveReport too_big = solve(walled, SolveLimits{2});
    ASSERT_TRUE(too_big.gave_up);
    EXPECT_LT(base_score(walled, too_big, goals), unsolvable);
    EXPECT_LT(base_score(walled, too_big, goals), base_score(shut, too_big, goals));
}

TEST(BoardLabScore, GivenGoalsThenBoardsMissingThemLoseToTheSameBoardWithoutThem) {
    const Puzzle walled = board_of(kWalledHead);
    const SolveLimits limits{100'000};
    // One head suffices here, and the player is never boxed in.
    EXPECT_LT(evaluate(walled, {.need_heads = true}, limits).score,
              evaluate(walled, {}, limits).score);
    EXPECT_LT(evaluate(walled, {.boxed_in = true}, limits).score,
              evaluate(walled, {}, limits).score);
    const Puzzle poof = board_of(kPoof);
    // The companion eats both items and vanishes; the player eats nothing.
    const double plain = evaluate(poof, {}, limits).score;
    EXPECT_EQ(evaluate(poof, {.eat = EatGoal::All, .eaters = {1}, .vanishers = {1}}, limits).score,
              plain);
    EXPECT_EQ(evaluate(poof, {.items_matter = true}, limits).score, plain);
    EXPECT_EQ(evaluate(poof, {.eaters = {0}}, limits).score, plain - 8);
    EXPECT_EQ(evaluate(poof, {.eat = EatGoal::None}, limits).score, plain - 16);
}

TEST(BoardLabScore, GivenWaterAndTargetsThenEachEarnsOnlyWhatItLengthens) {
    const Puzzle reeds = board_of(kReeds);
    const SolveReport wet = solve(reeds);
    ASSERT_TRUE(wet.solvable);
    SolveReport shorter_dry = wet;
    shorter_dry.moves.resize(wet.moves.size() - 4);
    EXPECT_GT(water_gain(wet, shorter_dry), 0);
    EXPECT_LT(water_gain(wet, wet), 0) << "water that changes nothing costs";
    EXPECT_EQ(water_gain(wet, SolveReport{}), 0) << "a dry search cut short says nothing";
    Puzzle more_walls = reeds;
    more_walls.walls.push_back({5, 2});
    EXPECT_GT(base_score(reeds, wet, {}), base_score(more_walls, wet, {}));

    SolveReport ten;
    ten.solvable = true;
    ten.moves.resize(10);
    EXPECT_EQ(target_gain(ten, 4), 6);
    EXPECT_EQ(target_gain(ten, 10), 0);
    EXPECT_EQ(target_gain(ten, 12), 0);
}

TEST(BoardLabSearch, GivenAStartThenProposalsAreDistinctSolvableAndBestFirst) {
    const auto found = search_boards(board_of(kPoof), {}, {.item_kinds = true}, {}, {},
                                     {.seed = 3, .restarts = 2, .steps = 40, .keep = 4});
    ASSERT_FALSE(found.empty());
    expect_distinct_solvable_best_first(found);
}

TEST(BoardLabSearch, GivenACastThenRandomBoardsOfItsShapeAreProposed) {
    const Cast cast{.width = 5, .height = 4, .snakes = {{3}, {3, true}}, .walls = 2, .grow = 1};
    std::size_t bests = 0;
    const auto found = search_boards(std::nullopt, cast, {}, {}, {100'000},
                                     {.restarts = 2, .steps = 20, .keep = 3, .threads = 1},
                                     [&](const Scored&) { ++bests; });
    ASSERT_FALSE(found.empty());
    expect_distinct_solvable_best_first(found);
    EXPECT_GE(bests, 1u);
    for (const Scored& s : found) {
        EXPECT_EQ(s.puzzle.width, 5);
        EXPECT_EQ(s.puzzle.height, 4);
        ASSERT_EQ(s.puzzle.snakes.size(), 2u);
        EXPECT_TRUE(s.puzzle.snakes[1].companion);
        EXPECT_EQ(s.puzzle.items.size(), 1u);
        EXPECT_TRUE(keeps_invariants(s.puzzle));
    }
}

TEST(BoardLabSearch, GivenGoalsForWhoEatsAndWhoVanishesThenTheBestProposalMeetsThem) {
    const Puzzle start = board_of(kPoof);
    const ScoreGoals goals{.eaters = {1}, .vanishers = {1}};
    const auto found = search_boards(start, {}, {.walls = false}, goals, {},
                                     {.seed = 5, .restarts = 1, .steps = 30, .keep = 1});
    ASSERT_EQ(found.size(), 1u);
    const auto eaten = items_eaten(found[0].puzzle, found[0].report.moves);
    ASSERT_FALSE(eaten.empty());
    EXPECT_EQ(eaten.back().snake, 1u);
    EXPECT_TRUE(eaten.back().vanished);
    // With no steps the start itself comes back, scored with every goal it misses.
    const ScoreGoals impossible{.eat = EatGoal::None, .eaters = {0, 1}};
    const auto penalised = search_boards(start, {}, {}, impossible, {},
                                         {.seed = 5, .restarts = 1, .steps = 0, .keep = 1});
    ASSERT_EQ(penalised.size(), 1u);
    EXPECT_LT(penalised[0].score, base_score(start, solve(start), impossible));
}

TEST(BoardLabSearch, GivenOneBoardTwiceThenItIsKeptOnceWhateverTheOrderOfItsLists) {
    const Puzzle start = board_of(kReeds);
    Scored one{start, solve(start), 5};
    Scored again = one;
    std::reverse(again.puzzle.walls.begin(), again.puzzle.walls.end());
    again.score = 6;
    Scored unsolvable = one;
    unsolvable.report.solvable = false;
    unsolvable.score = 9;
    std::vector<Scored> best;
    keep_best(best, one, 3);
    keep_best(best, again, 3);
    keep_best(best, unsolvable, 3);
    ASSERT_EQ(best.size(), 1u);
    EXPECT_EQ(best[0].score, 5);
}

TEST(BoardLabScramble, GivenAFinishedPositionThenEveryProposedStartIsSolvable) {
    const Puzzle finish = board_of(kFinish);
    const auto found = scramble(finish, 30, {}, {200'000}, {.restarts = 2, .steps = 5, .keep = 3});
    ASSERT_FALSE(found.empty());
    expect_distinct_solvable_best_first(found);
    for (const Scored& s : found) {
        EXPECT_FALSE(is_complete(s.puzzle));
        EXPECT_EQ(s.puzzle.walls, finish.walls);
    }
}

TEST(BoardLabTargets, GivenCellsWhenChoosingThenEverySubsetComesOnceInOrder) {
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

TEST(BoardLabTargets, GivenABoardThenTargetsMayGoAnywhereButWallsTheExitAndOldTargets) {
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

TEST(BoardLabTargets, GivenTargetsOffTheDirectWayThenTheyLengthenTheSolutionAndEachIsMeasured) {
    Puzzle start = board_of(kOpen);
    start.targets = {{0, 1}, {0, 2}};
    const Scored scored = evaluate(start, {.targets_matter = true}, SolveLimits{100'000});
    ASSERT_TRUE(scored.report.solvable);
    EXPECT_EQ(scored.moves_without_targets, std::optional<std::size_t>(4));
    EXPECT_EQ(scored.report.moves.size(), 8u);
    const auto each = ablate(start, PieceKind::Target, SolveLimits{100'000});
    ASSERT_EQ(each.size(), 2u);
    for (const Ablation& a : each) {
        ASSERT_TRUE(a.report.solvable);
        EXPECT_GT(a.report.moves.size(), 4u);
        EXPECT_LE(a.report.moves.size(), 8u);
    }
    EXPECT_EQ(ablate(start, PieceKind::AllTargets, SolveLimits{100'000}).at(0).report.moves.size(),
              4u);
}

TEST(BoardLabTargets, GivenATargetNoSnakeCanReachThenTheBoardIsUnsolvableOnlyWithIt) {
    const Puzzle start = board_of(R"(
ground marks items snakes
...#.  ..E.o  .....  .....
...#.  .....  .....  >>A..
)");
    EXPECT_FALSE(solve(start, SolveLimits{100'000}).solvable);
    const auto each = ablate(start, PieceKind::Target, SolveLimits{100'000});
    ASSERT_EQ(each.size(), 1u);
    EXPECT_TRUE(each[0].report.solvable);
}

TEST(BoardLabTargets, GivenOneTargetToPlaceThenTheBestLayoutsComeFirstAndNoneIsFinished) {
    PlacementSearch search;
    search.count = 1;
    search.keep = 3;
    search.limits = SolveLimits{100'000};
    const auto found = place_targets(board_of(kOpen), search);
    ASSERT_EQ(found.size(), 3u);
    expect_distinct_solvable_best_first(found);
    for (const Scored& s : found) {
        EXPECT_EQ(s.puzzle.targets.size(), 1u);
        EXPECT_FALSE(is_complete(s.puzzle));
        EXPECT_EQ(s.moves_without_targets, std::optional<std::size_t>(4));
        EXPECT_GT(s.report.moves.size(), 4u) << "the best targets lengthen the solution";
    }
}

TEST(BoardLabTargets, GivenAMovingExitAndMoreLayoutsThanTriesThenOnlyTheSampleIsSolved) {
    PlacementSearch search;
    search.count = 1;
    search.move_exit = true;
    search.max_tries = 20;
    search.keep = 100;
    search.limits = SolveLimits{100'000};
    const auto found = place_targets(board_of(kOpen), search);
    EXPECT_FALSE(found.empty());
    EXPECT_LE(found.size(), 20u);
    for (const Scored& s : found) {
        EXPECT_EQ(s.puzzle.targets.size(), 1u);
        EXPECT_FALSE(contains(s.puzzle.targets, s.puzzle.exit));
    }
}

TEST(BoardLabTargets, GivenDraftsThenUnsolvableAndFinishedOnesAreDroppedAndTheRestSorted) {
    const Puzzle plain = board_of(kOpen);
    Puzzle with_target = plain;
    with_target.targets.push_back({0, 2});
    Puzzle finished = plain;
    finished.exit = {4, 0};
    Puzzle walled_in = plain;
    walled_in.walls = {{1, 0}, {1, 2}, {2, 1}};

    std::size_t reports = 0;
    const auto found =
        rank_boards({plain, finished, walled_in, with_target}, {.min_moves = 1, .max_moves = 20},
                    SolveLimits{100'000}, 5, [&](std::size_t, std::size_t all) {
                        EXPECT_EQ(all, 4u);
                        ++reports;
                    });
    EXPECT_EQ(reports, 1u);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].puzzle, with_target);
    EXPECT_EQ(found[1].puzzle, plain);
}
