// The designer's lab: scratch files become boards, changed drafts never break
// the rules' invariants, fixed parts stay fixed, and pruning keeps only what
// a level needs.

#include "board_lab/lab_file.hpp"
#include "board_lab/probes.hpp"

#include "levels/board_parser.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace coilwend;
using namespace coilwend::board_lab;

namespace {

Puzzle parsed(std::string_view picture) {
    const BoardText text{"t.rs", "Test", 2, picture, "lab.txt", 1};
    const auto parse = parse_board(text);
    EXPECT_TRUE(parse.level.has_value()) << parse.error;
    return parse.level ? parse.level->puzzle : Puzzle{};
}

// A companion in a walled strip beside a pond: the snake hides in the water
// while the companion leaves by the dry road.
constexpr std::string_view kReeds = R"(
ground marks items snakes
####..  .....E  ......  ......
.....#  ......  ......  ..>>b.
~~~~.#  ......  ......  ....A.
~~~~..  ......  ......  ....^<
)";

} // namespace

TEST(BoardLabFile, GivenAScratchFileWhenReadThenEachNamedBlockIsABoardAndCommentsAreSkipped) {
    const std::string contents = "notes before the first board\n"
                                 "= first\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "// a comment inside a block\n"
                                 "....  ....  ....  ....\n"
                                 "= second\n"
                                 "ground marks items snakes\n"
                                 "....  E...  ....  ..<A\n"
                                 "idea: the second one\n";
    const auto boards = read_lab_boards(contents, 2, "drafts.txt");
    ASSERT_EQ(boards.size(), 2u);
    EXPECT_EQ(*boards[0].name, "first");
    EXPECT_EQ(*boards[1].name, "second");
    const auto first = parse_board(boards[0].text);
    ASSERT_TRUE(first.level.has_value()) << first.error;
    EXPECT_EQ(first.level->puzzle.setting, 2);
    EXPECT_EQ(first.level->puzzle.exit, (Pos{3, 1}));
    EXPECT_EQ(board_idea(boards[1].text), "the second one");
}

TEST(BoardLabFile, GivenAFaultyRowThenTheErrorPointsAtItsLineInTheScratchFile) {
    const std::string contents = "= good\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "= broken\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "..x.  ....  ....  ....\n";
    const auto boards = read_lab_boards(contents, 2, "drafts.txt");
    ASSERT_EQ(boards.size(), 2u);
    const auto broken = parse_board(boards[1].text);
    ASSERT_FALSE(broken.level.has_value());
    EXPECT_NE(broken.error.find("drafts.txt:7"), std::string::npos) << broken.error;
}

TEST(BoardLabInvariants, GivenDraftsThenEachBrokenRuleIsRejected) {
    const Puzzle good = parsed(kReeds);
    EXPECT_TRUE(keeps_invariants(good));

    Puzzle swimming_companion = good;
    swimming_companion.water.push_back(swimming_companion.snakes[1].cells[0]);
    EXPECT_FALSE(keeps_invariants(swimming_companion));

    Puzzle walled = good;
    walled.walls.push_back(walled.snakes[0].cells[0]);
    EXPECT_FALSE(keeps_invariants(walled));

    Puzzle overlapping = good;
    overlapping.snakes[1].cells.push_back(overlapping.snakes[0].cells.back());
    EXPECT_FALSE(keeps_invariants(overlapping));

    Puzzle torn = good;
    torn.snakes[1].cells.front() = Pos{0, 0};
    EXPECT_FALSE(keeps_invariants(torn));

    Puzzle outside = good;
    outside.snakes[0].cells.front() = Pos{6, 0};
    EXPECT_FALSE(keeps_invariants(outside));

    Puzzle exit_in_wall = good;
    exit_in_wall.walls.push_back(exit_in_wall.exit);
    EXPECT_FALSE(keeps_invariants(exit_in_wall));

    Puzzle finished = good;
    finished.exit = finished.snakes[0].cells.back();
    EXPECT_FALSE(keeps_invariants(finished));
}

TEST(BoardLabChanges, GivenADraftThenEverySingleChangeKeepsTheInvariantsAndFixedPartsStayFixed) {
    const Puzzle draft = parsed(kReeds);
    const auto all = single_changes(draft);
    ASSERT_FALSE(all.empty());
    for (const Variant& v : all) {
        EXPECT_TRUE(keeps_invariants(v.puzzle)) << v.change;
        EXPECT_FALSE(v.puzzle == draft) << v.change;
    }
    auto same_ground = [&](const Puzzle& p) {
        auto sorted = [](std::vector<Pos> cells) {
            std::sort(cells.begin(), cells.end(),
                      [](Pos a, Pos b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
            return cells;
        };
        return sorted(p.walls) == sorted(draft.walls) && sorted(p.water) == sorted(draft.water);
    };
    for (const Variant& v : single_changes(draft, {.ground = false}))
        EXPECT_TRUE(same_ground(v.puzzle)) << v.change;
    for (const Variant& v : single_changes(draft, {.exit = false}))
        EXPECT_EQ(v.puzzle.exit, draft.exit) << v.change;
    for (const Variant& v : single_changes(draft, {.snakes = false}))
        EXPECT_EQ(v.puzzle.snakes, draft.snakes) << v.change;
    EXPECT_TRUE(single_changes(draft, {.ground = false, .exit = false, .snakes = false}).empty());
    for (const Variant& v : single_changes(draft, {.max_length = 3}))
        for (const Snake& snake : v.puzzle.snakes)
            EXPECT_LE(snake.cells.size(), 3u) << v.change;
}

TEST(BoardLabChanges, GivenADraftThenRemovalsTakeAwayOnePieceEachAndThenAllTheWater) {
    const Puzzle draft = parsed(kReeds);
    const auto removals = removal_variants(draft);
    // Each wall, each water cell, all the water at once, the one companion.
    ASSERT_EQ(removals.size(), draft.walls.size() + draft.water.size() + 2);
    std::size_t pieces = 0;
    for (const Variant& v : removals) {
        const std::size_t before = draft.walls.size() + draft.water.size() + draft.snakes.size();
        const std::size_t after =
            v.puzzle.walls.size() + v.puzzle.water.size() + v.puzzle.snakes.size();
        if (before - after == 1)
            ++pieces;
    }
    EXPECT_EQ(pieces, removals.size() - 1);
    EXPECT_TRUE(removals[removals.size() - 2].puzzle.water.empty());
    EXPECT_EQ(removals.back().puzzle.snakes.size(), 1u);
}

TEST(BoardLabPrune, GivenADraftWhenPrunedThenTheSolutionStaysAsLongAndTheKeyWallStays) {
    // A smaller strip: the wall at the strip's end is what makes the level.
    const Puzzle draft = parsed(R"(
ground marks items snakes
##..  ...E  ....  ....
...#  ....  ....  .>b.
~~.#  ....  ....  ..A.
~~..  ....  ....  ..^<
)");
    const SolveReport before = solve(draft);
    ASSERT_TRUE(before.solvable);
    const Puzzle lean = pruned(draft, {});
    const SolveReport after = solve(lean);
    ASSERT_TRUE(after.solvable);
    EXPECT_EQ(after.moves.size(), before.moves.size());
    EXPECT_GE(after.traps_on_path, before.traps_on_path);
    EXPECT_LT(lean.walls.size() + lean.water.size(), draft.walls.size() + draft.water.size());
    EXPECT_NE(std::find(lean.walls.begin(), lean.walls.end(), Pos{1, 3}), lean.walls.end());
}

TEST(BoardLabScore, GivenReportsThenUnsolvableIsWorstAndWaterThatChangesNothingCosts) {
    const Puzzle draft = parsed(kReeds);
    const SolveReport wet = solve(draft);
    Puzzle dry_board = draft;
    dry_board.water.clear();
    const SolveReport dry = solve(dry_board);
    const SolveReport nothing{};
    EXPECT_LT(water_score(nothing, dry, 12, 0), -1e8);
    SolveReport shorter_dry = wet;
    shorter_dry.moves.resize(wet.moves.size() - 4);
    EXPECT_GT(water_score(wet, shorter_dry, 12, 0), water_score(wet, wet, 12, 0));
    EXPECT_GT(water_score(wet, dry, 12, 0), water_score(wet, dry, 12, 6));
}

TEST(BoardLabBoxedIn, GivenAPlayerWithNoStepThenItIsBoxedInUntilAFriendMoves) {
    const Puzzle free_to_move = parsed(kReeds);
    EXPECT_FALSE(player_boxed_in(free_to_move));
    // The snake's head sits between a wall and the friend's tail.
    const Puzzle boxed = parsed(R"(
ground marks items snakes
#...  ...E  ....  ....
....  ....  ....  A<<.
....  ....  ....  >b..
)");
    EXPECT_TRUE(player_boxed_in(boxed));
}

TEST(BoardLabHelping, GivenASolutionThenOnlyPlayerMovesBeforeTheLastCompanionMoveCount) {
    const Puzzle reeds = parsed(kReeds);
    SolveReport report;
    report.solvable = true;
    // Snake 0 is the player, snake 1 the companion.
    report.moves = {{0, false, kLeft}, {1, false, kDown}, {0, false, kUp},
                    {1, false, kDown}, {0, false, kUp},   {0, false, kRight}};
    EXPECT_EQ(helping_moves(reeds, report), 2u);
    report.moves = {{1, false, kDown}, {0, false, kUp}};
    EXPECT_EQ(helping_moves(reeds, report), 0u);
}
