// The designer's lab, measuring side: draft files become boards, changed
// drafts never break the rules' invariants and fixed parts stay fixed, and
// its measures of solutions, pieces, items and heads are right on boards
// small enough to check by hand.

#include "board_lab/ablation.hpp"
#include "board_lab/board_changes.hpp"
#include "board_lab/board_file.hpp"
#include "board_lab/board_rules.hpp"
#include "board_lab/companions.hpp"
#include "board_lab/position_view.hpp"
#include "board_lab/prune.hpp"
#include "board_lab/solution_walk.hpp"
#include "board_lab/two_heads.hpp"

#include "support/board_lab_fixtures.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace coilwend;
using namespace coilwend::board_lab;
using namespace coilwend::testing;

namespace {

const Ablation& find_ablation(const std::vector<Ablation>& list, std::string_view piece) {
    static const Ablation missing{};
    for (const Ablation& a : list)
        if (a.piece == piece)
            return a;
    ADD_FAILURE() << piece;
    return missing;
}

} // namespace

TEST(BoardLabFile, GivenAScratchFileWhenReadThenEachNamedBlockIsABoardAndCommentsAreSkipped) {
    const std::string contents = "notes before the first board\n"
                                 "= first\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "// a comment inside a block\n"
                                 "....  ....  ....  ....\n"
                                 "== second one\n"
                                 "ground marks items snakes\n"
                                 "....  E...  ....  ..<A\n"
                                 "idea: the second one\n";
    const auto drafts = split_drafts(contents);
    ASSERT_EQ(drafts.size(), 2u);
    EXPECT_EQ(drafts[0].name, "first");
    EXPECT_EQ(drafts[0].line, 2u);
    EXPECT_EQ(drafts[0].picture, "\nground marks items snakes\n....  ...E  ....  >A..\n"
                                 "....  ....  ....  ....\n");
    EXPECT_EQ(drafts[1].name, "second one");
    std::string error;
    const auto first = parse_draft(drafts[0], 2, "drafts.txt", error);
    ASSERT_TRUE(first) << error;
    EXPECT_EQ(first->setting, 2);
    EXPECT_EQ(first->exit, (Pos{3, 1}));
    EXPECT_EQ(board_idea(BoardText{"s", "s", 2, drafts[1].picture, "drafts.txt", 7}),
              "the second one");
}

TEST(BoardLabFile, GivenBarePicturesThenEachHeaderStartsABoardNamedByItsPlace) {
    const auto drafts = split_drafts("ground marks items snakes\n"
                                     "....  ...E  ....  ....\n"
                                     "....  ....  ....  >A..\n"
                                     "two-headed: A\n"
                                     "ground marks items snakes\n"
                                     "....  E...  ....  ..<A\n");
    ASSERT_EQ(drafts.size(), 2u);
    EXPECT_EQ(drafts[0].name, "1");
    EXPECT_EQ(drafts[1].name, "2");
    EXPECT_EQ(drafts[1].line, 4u); // the header is on line 5
    std::string error;
    const auto first = parse_draft(drafts[0], 0, "-", error);
    ASSERT_TRUE(first) << error;
    EXPECT_TRUE(first->snakes[0].two_headed);
}

TEST(BoardLabFile, GivenAFaultyRowThenTheErrorPointsAtItsLineInTheScratchFile) {
    const std::string contents = "= good\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "= broken\n"
                                 "ground marks items snakes\n"
                                 "....  ...E  ....  >A..\n"
                                 "..x.  ....  ....  ....\n";
    const auto drafts = split_drafts(contents);
    ASSERT_EQ(drafts.size(), 2u);
    std::string error;
    EXPECT_FALSE(parse_draft(drafts[1], 2, "drafts.txt", error));
    EXPECT_NE(error.find("drafts.txt:7"), std::string::npos) << error;
}

TEST(BoardLabFile, GivenAParsedDraftThenItsNameOutlivesTheDraftList) {
    std::optional<Puzzle> puzzle;
    {
        const auto drafts = split_drafts(std::string("= Poof") + std::string(kPoof));
        std::string error;
        puzzle = parse_draft(drafts.at(0), 1, "drafts.txt", error);
    }
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->name, "Poof");
    EXPECT_EQ(puzzle->setting, 1);
}

TEST(BoardLabInvariants, GivenBrokenBoardsThenEachBrokenRuleIsRejected) {
    const Puzzle good = board_of(kReeds);
    EXPECT_TRUE(keeps_invariants(good));
    auto broken = [&](auto change) {
        Puzzle p = good;
        change(p);
        return !keeps_invariants(p);
    };
    EXPECT_TRUE(broken([](Puzzle& p) { p.water.push_back(p.snakes[1].cells[0]); }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.walls.push_back(p.snakes[0].cells[0]); }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.snakes[1].cells.push_back(p.snakes[0].cells.back()); }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.snakes[1].cells.front() = Pos{0, 0}; }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.snakes[0].cells.front() = Pos{6, 0}; }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.walls.push_back(p.exit); }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.exit = p.snakes[0].cells.back(); }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.walls.push_back(p.water[0]); }));
    EXPECT_TRUE(broken([](Puzzle& p) {
        p.items = {{ItemKind::Grow, {5, 0}}, {ItemKind::Shrink, {5, 0}}};
    }));
    EXPECT_TRUE(broken([](Puzzle& p) { p.targets.push_back(p.walls[0]); }));

    Puzzle item_under_snake = good;
    item_under_snake.items.push_back({ItemKind::Grow, good.snakes[0].cells[0]});
    EXPECT_TRUE(keeps_invariants(item_under_snake)) << "a designer may draw one on purpose";
    EXPECT_FALSE(items_clear_of_snakes(item_under_snake));
}

TEST(BoardLabChanges, GivenADraftThenEverySingleChangeKeepsTheInvariantsAndFixedPartsStayFixed) {
    const Puzzle draft = board_of(kReeds);
    const auto all = single_changes(draft);
    ASSERT_FALSE(all.empty());
    for (const Variant& v : all) {
        EXPECT_TRUE(keeps_invariants(v.puzzle)) << v.change;
        EXPECT_FALSE(v.puzzle == draft) << v.change;
    }
    for (const Variant& v : single_changes(draft, {.walls = false}))
        EXPECT_EQ(canonical(v.puzzle).walls, canonical(draft).walls) << v.change;
    for (const Variant& v : single_changes(draft, {.water = false}))
        EXPECT_EQ(canonical(v.puzzle).water, canonical(draft).water) << v.change;
    for (const Variant& v : single_changes(draft, {.exit = false}))
        EXPECT_EQ(v.puzzle.exit, draft.exit) << v.change;
    for (const Variant& v : single_changes(draft, {.snakes = false}))
        EXPECT_EQ(v.puzzle.snakes, draft.snakes) << v.change;
    EXPECT_TRUE(
        single_changes(draft, {.walls = false, .water = false, .exit = false, .snakes = false})
            .empty());
    const auto lengths = single_changes(draft, {.lengths = true, .max_length = 3});
    EXPECT_GT(lengths.size(), all.size());
    for (const Variant& v : lengths)
        for (const Snake& snake : v.puzzle.snakes)
            EXPECT_LE(snake.cells.size(), 3u) << v.change;
}

TEST(BoardLabChanges, GivenManyRandomChangesThenEveryBoardStaysValidAndFrozenPartsStay) {
    const Puzzle start = board_of(R"(
ground marks items snakes
#....  ..o.E  .+...  .....
.....  .....  ...-.  >>A.c
~....  .....  .....  .b<<^
two-headed: A
)");
    std::mt19937_64 rng(7);
    ChangeRules rules{.walls = false, .exit = false, .item_kinds = true};
    Puzzle p = start;
    for (int i = 0; i < 500; ++i) {
        p = random_change(p, rules, rng);
        ASSERT_TRUE(keeps_invariants(p)) << position_view(p);
        ASSERT_TRUE(items_clear_of_snakes(p)) << position_view(p);
        ASSERT_EQ(p.walls, start.walls);
        ASSERT_EQ(p.exit, start.exit);
        ASSERT_EQ(p.items.size(), start.items.size());
        ASSERT_EQ(p.snakes.size(), start.snakes.size());
        for (std::size_t s = 0; s < p.snakes.size(); ++s) {
            ASSERT_EQ(p.snakes[s].cells.size(), start.snakes[s].cells.size());
            ASSERT_EQ(p.snakes[s].two_headed, start.snakes[s].two_headed);
            ASSERT_EQ(p.snakes[s].companion, start.snakes[s].companion);
        }
    }
}

TEST(BoardLabChanges, GivenLimitsAndFrozenKindsThenRandomChangesRespectThem) {
    const Puzzle start = board_of(kPoof);
    std::mt19937_64 rng(11);
    Puzzle p = start;
    ChangeRules capped{.max_walls = 9};
    for (int i = 0; i < 300; ++i) {
        p = random_change(p, capped, rng);
        ASSERT_LE(p.walls.size(), 9u);
        for (const Item& item : p.items)
            ASSERT_EQ(item.kind, ItemKind::Shrink) << "kinds change only when asked";
    }
    ChangeRules items_and_exit{.walls = false, .snakes = false};
    p = start;
    for (int i = 0; i < 200; ++i) {
        p = random_change(p, items_and_exit, rng);
        ASSERT_EQ(p.walls, start.walls);
        ASSERT_EQ(p.snakes, start.snakes);
    }
}

TEST(BoardLabChanges, GivenTheExitFollowsTheFirstSnakeThenEveryChangeKeepsItUnderItsHead) {
    const Puzzle start = board_of(R"(
ground marks items snakes
.....  o....  .....  .....
.....  ..E..  .....  >>A..
.....  .....  .....  .b<<.
.....  ....o  .....  >c...
two-headed: A
)");
    const ChangeRules rules{.exit_on_first_snake = true};
    std::mt19937_64 rng(3);
    Puzzle p = start;
    for (int i = 0; i < 200; ++i) {
        p = random_change(p, rules, rng);
        ASSERT_EQ(p.exit, p.snakes[0].cells.back());
        ASSERT_FALSE(is_complete(p)); // unfinished only because a target is bare
    }
}

TEST(BoardLabStepBack, GivenAFinishedPositionWhenWalkedBackThenEveryStartCanReachAFinish) {
    const Puzzle finish = board_of(kFinish);
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
            EXPECT_TRUE(solve(at).solvable) << position_view(at);
        }
    }
    const Puzzle start = random_change(finish, {.backwards = true}, rng);
    EXPECT_FALSE(start == finish);
    EXPECT_TRUE(keeps_invariants(start));
    EXPECT_TRUE(solve(start).solvable);
}

TEST(BoardLabStepBack, GivenNoSnakeCanMoveThenSteppingBackChangesNothing) {
    const Puzzle stuck = board_of(R"(
ground marks items snakes
#...  ...E  ....  ....
....  ....  ....  >>>A
)");
    std::mt19937_64 rng(1);
    // The tail is against the edge, so a one-headed snake cannot be pulled back.
    EXPECT_EQ(step_back(stuck, rng), stuck);
}

TEST(BoardLabAblation, GivenADraftThenRemovalsTakeAwayOnePieceEachAndThenAllTheWater) {
    const Puzzle draft = board_of(kReeds);
    const auto list = removals(draft);
    // Each wall, each water cell, all the water at once, the one companion; the
    // player's only snake stays.
    ASSERT_EQ(list.size(), draft.walls.size() + draft.water.size() + 2);
    for (const Removal& r : list) {
        const std::size_t before = draft.walls.size() + draft.water.size() + draft.snakes.size();
        const std::size_t after =
            r.puzzle.walls.size() + r.puzzle.water.size() + r.puzzle.snakes.size();
        EXPECT_EQ(before - after, r.kind == PieceKind::AllWater ? draft.water.size() : 1u)
            << r.piece;
    }
    EXPECT_EQ(list.back().piece, "snake b");
}

TEST(BoardLabAblation, GivenThePocketWhenEachPieceIsRemovedThenTheCompanionAndTheHeadsMatter) {
    const auto list = ablate(board_of(kPocket), {});
    EXPECT_EQ(find_ablation(list, "snake b").report.moves.size(), 5u);
    EXPECT_FALSE(find_ablation(list, "one head for A, last cell leading").report.solvable);
    EXPECT_FALSE(find_ablation(list, "one head for A, first cell leading").report.solvable);
    // A wall in the far corner changes nothing; one beside the pocket gives the companion room.
    const Ablation& corner = find_ablation(list, "wall (0, 2)");
    EXPECT_EQ(corner.report.moves.size(), 12u);
    EXPECT_EQ(corner.report.dead, 7u);
    EXPECT_NE(find_ablation(list, "wall (2, 1)").report.dead, 7u);
}

TEST(BoardLabAblation, GivenItemsTakenAwayOneByOneThenEachEffectIsMeasured) {
    const Puzzle poof = board_of(kPoof);
    const SolveReport with = solve(poof);
    ASSERT_TRUE(with.solvable);
    EXPECT_EQ(with.moves.size(), 7u);
    EXPECT_EQ(items_eaten(poof, with.moves).size(), 2u);
    const auto items = ablate(poof, PieceKind::Item, {});
    ASSERT_EQ(items.size(), 2u);
    for (const Ablation& a : items) {
        EXPECT_FALSE(a.report.solvable) << a.piece << ": the companion needs both to vanish";
        EXPECT_TRUE(piece_matters(with, a.report));
    }
    const auto blocked = ablate(board_of(kShrinkInTheWay), PieceKind::Item, {});
    ASSERT_EQ(blocked.size(), 1u);
    EXPECT_EQ(blocked[0].piece, "shrink (2, 0)");
    EXPECT_TRUE(blocked[0].report.solvable);
    EXPECT_EQ(blocked[0].report.moves.size(), 3u);
}

TEST(BoardLabAblation, GivenAPieceWhoseRemovalChangesLittleThenItDoesNotMatter) {
    auto report = [](bool solvable, std::size_t moves, std::size_t dead) {
        SolveReport r;
        r.solvable = solvable;
        r.moves.resize(moves);
        r.dead = dead;
        return r;
    };
    const SolveReport with = report(true, 5, 100);
    EXPECT_FALSE(piece_matters(with, report(true, 5, 95)));
    EXPECT_TRUE(piece_matters(with, report(true, 5, 89)));  // a trap worth a tenth of the dead ends
    EXPECT_TRUE(piece_matters(with, report(true, 4, 100))); // a different shortest solution
    EXPECT_TRUE(piece_matters(with, report(false, 0, 0)));
}

TEST(BoardLabWalk, GivenACompanionThatShrinksAwayThenTheEatenListFollowsItToTheEnd) {
    const Puzzle start = board_of(kPoof);
    const std::vector<SolverMove> moves{{1, false, kLeft}, {1, false, kLeft}, {1, false, kUp}};
    const auto eaten = items_eaten(start, moves);
    ASSERT_EQ(eaten.size(), 2u);
    EXPECT_EQ(eaten[0].move, 1u); // stepping onto an item eats nothing; leaving it does
    EXPECT_EQ(eaten[0].snake, 1u);
    EXPECT_EQ(eaten[0].item.pos, (Pos{3, 0}));
    EXPECT_FALSE(eaten[0].vanished);
    EXPECT_EQ(eaten[1].move, 2u);
    EXPECT_EQ(eaten[1].item.kind, ItemKind::Shrink);
    EXPECT_TRUE(eaten[1].vanished);
}

TEST(BoardLabWalk, GivenASequenceThatTurnsIllegalThenReplayStopsWhereItStopped) {
    const Puzzle start = board_of(kPoof);
    // The companion's third step would leave the board, so the sequence ends there.
    const std::vector<SolverMove> bump{
        {1, false, kLeft}, {1, false, kLeft}, {1, false, kDown}, {1, false, kLeft}};
    EXPECT_EQ(replay(start, bump).size(), 3u);
    // The player's snake vanishes on its second step; its later moves are not tried.
    const std::vector<SolverMove> vanish{
        {0, false, kRight}, {0, false, kRight}, {0, false, kRight}, {0, false, kRight}};
    EXPECT_EQ(replay(start, vanish).size(), 3u);
    const auto eaten = items_eaten(start, vanish);
    ASSERT_EQ(eaten.size(), 1u);
    EXPECT_TRUE(eaten[0].vanished);
}

TEST(BoardLabWalk, GivenThePocketThenNoOneHeadedVariantSolvesAndTheFirstStepsHoldTraps) {
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

TEST(BoardLabHeads, GivenAWalledInHeadThenOnlyTheOtherEndLeadsAndOneHeadSufficesReversed) {
    const Puzzle start = board_of(kWalledHead);
    const SolveReport r = solve(start);
    ASSERT_TRUE(r.solvable);
    EXPECT_EQ(r.moves.size(), 3u);
    EXPECT_EQ(lead_changes(start, r.moves), 1u);
    // Fixed to its first cell, the snake is the same puzzle; fixed to its last, it is stuck.
    EXPECT_EQ(one_headed_moves(start, {}), std::optional<std::size_t>(3));
}

TEST(BoardLabHeads, GivenAOneHeadedSnakeThenLeadChangesCountOnlyTwoHeadedSnakes) {
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

TEST(BoardLabView, GivenAPositionThenSnakesCoverTheBoardAndTheRestShowsThrough) {
    const Puzzle start = board_of(R"(
ground marks items snakes
...~#  o....  .+...  v<<..
.....  ...@.  ...-.  >>A.c
~....  .o...  .....  .b<<^
two-headed: A
)");
    EXPECT_EQ(position_view(start), "v<<~#\n>>AEc\n~b<<^\n");
    Puzzle overlapping = start;
    overlapping.snakes.push_back(Snake{{{1, 0}, {1, 1}}, false, true});
    EXPECT_NE(position_view(overlapping).find('?'), std::string::npos);
}

TEST(BoardLabPrune, GivenADraftWhenPrunedThenTheSolutionStaysAsLongAndTheKeyWallStays) {
    // A smaller strip: the wall at the strip's end is what makes the level.
    const Puzzle draft = board_of(R"(
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
    EXPECT_TRUE(contains(lean.walls, Pos{1, 3}));
}

TEST(BoardLabCompanions, GivenAPlayerWithNoStepThenItIsBoxedInUntilAFriendMoves) {
    EXPECT_FALSE(player_boxed_in(board_of(kReeds)));
    // The snake's head sits between a wall and the friend's tail.
    EXPECT_TRUE(player_boxed_in(board_of(R"(
ground marks items snakes
#...  ...E  ....  ....
....  ....  ....  A<<.
....  ....  ....  >b..
)")));
}

TEST(BoardLabCompanions, GivenASolutionThenOnlyPlayerMovesBeforeTheLastCompanionMoveCount) {
    const Puzzle reeds = board_of(kReeds);
    SolveReport report;
    report.solvable = true;
    // Snake 0 is the player, snake 1 the companion.
    report.moves = {{0, false, kLeft}, {1, false, kDown}, {0, false, kUp},
                    {1, false, kDown}, {0, false, kUp},   {0, false, kRight}};
    EXPECT_EQ(helping_moves(reeds, report), 2u);
    EXPECT_EQ(handovers(report), 4u);
    EXPECT_EQ(idle_snakes(reeds, report), 0u);
    report.moves = {{1, false, kDown}, {0, false, kUp}};
    EXPECT_EQ(helping_moves(reeds, report), 0u);
    report.moves = {{0, false, kUp}};
    EXPECT_EQ(idle_snakes(reeds, report), 1u);
}
