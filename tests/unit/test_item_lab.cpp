// The board designer's item lab: reading draft files, following what a move
// sequence eats, judging whether an item matters, and the variation search
// never proposing a board the rules could not hold.

#include "board_file.hpp"
#include "item_report.hpp"
#include "position_view.hpp"
#include "variations.hpp"

#include "game/level_play.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

namespace {

Puzzle draft_puzzle(std::string_view text) {
    static DraftShelf shelf; // keeps the texts the puzzles point at alive
    const auto drafts = split_drafts(text);
    EXPECT_EQ(drafts.size(), 1u);
    std::string error;
    const auto puzzle = shelf.parse(drafts.at(0), 1, error);
    EXPECT_TRUE(puzzle) << error;
    return puzzle.value_or(Puzzle{});
}

// A two-cell snake with a shrink item in front and the exit beyond: the
// straight walk vanishes the snake, so the level cannot be finished.
constexpr std::string_view kShrinkInTheWay = R"(== s Shrink
ground marks items snakes
#####  .....  .....  .....
.....  ....E  ..-..  >A...
)";

// A companion in the corridor that has to eat both shrink items to vanish.
constexpr std::string_view kPoof = R"(== p Poof
ground marks items snakes
##.#.##  ....E..  .......  .......
.......  .......  ..--...  >A..b<<
)";

} // namespace

TEST(DraftFile, GivenSeveralDraftsWithNotesThenEachKeepsItsIdTitleAndPicture) {
    const auto drafts = split_drafts("notes before the first board\n"
                                     "== 1.rs First One\n"
                                     "ground marks items snakes\n"
                                     "// a designer's note\n"
                                     "....  ...E  ....  >A..\n"
                                     "== 2.rs\n"
                                     "ground marks items snakes\n");
    ASSERT_EQ(drafts.size(), 2u);
    EXPECT_EQ(drafts[0].id, "1.rs");
    EXPECT_EQ(drafts[0].title, "First One");
    EXPECT_EQ(drafts[0].line, 2u);
    EXPECT_EQ(drafts[0].picture, "\nground marks items snakes\n....  ...E  ....  >A..\n");
    EXPECT_EQ(drafts[1].id, "2.rs");
    EXPECT_EQ(drafts[1].title, "2.rs"); // no title: the id stands in
}

TEST(DraftFile, GivenAMalformedDraftThenTheParserComplaintNamesIt) {
    DraftShelf shelf;
    const auto drafts = split_drafts("== bad.rs Bad\nground marks items snakes\n....  ....  ....  "
                                     "....\n....  ....  ....  >A..\n");
    std::string error;
    EXPECT_FALSE(shelf.parse(drafts.at(0), 1, error));
    EXPECT_NE(error.find("bad.rs"), std::string::npos) << error;
    EXPECT_NE(error.find("exit"), std::string::npos) << error;
}

TEST(DraftFile, GivenAParsedDraftThenItsNameOutlivesTheDraftList) {
    DraftShelf shelf;
    std::optional<Puzzle> puzzle;
    {
        const auto drafts = split_drafts(kPoof);
        std::string error;
        puzzle = shelf.parse(drafts.at(0), 1, error);
    }
    ASSERT_TRUE(puzzle);
    EXPECT_EQ(puzzle->name, "Poof");
    EXPECT_EQ(puzzle->setting, 1);
}

TEST(ItemReport, GivenACompanionThatShrinksAwayThenTheEatenListFollowsItToTheEnd) {
    const Puzzle start = draft_puzzle(kPoof);
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

TEST(ItemReport, GivenASequenceThatTurnsIllegalThenReplayStopsWhereItStopped) {
    const Puzzle start = draft_puzzle(kPoof);
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

TEST(ItemReport, GivenItemsTakenAwayOneByOneThenEachEffectIsMeasured) {
    const ItemReport report = analyse_items(draft_puzzle(kPoof));
    ASSERT_TRUE(report.solution.solvable);
    EXPECT_EQ(report.solution.moves.size(), 7u);
    EXPECT_EQ(report.eaten.size(), 2u);
    ASSERT_EQ(report.without.size(), 2u);
    for (const WithoutItem& w : report.without) {
        EXPECT_FALSE(w.solvable); // the companion needs both to vanish
        EXPECT_TRUE(item_matters(report.solution, w));
    }
    const ItemReport blocked = analyse_items(draft_puzzle(kShrinkInTheWay));
    EXPECT_FALSE(blocked.solution.solvable);
    ASSERT_EQ(blocked.without.size(), 1u);
    EXPECT_TRUE(blocked.without[0].solvable);
    EXPECT_EQ(blocked.without[0].moves, 3u);
}

TEST(ItemReport, GivenAnItemWhoseRemovalChangesLittleThenItDoesNotMatter) {
    SolveReport with;
    with.solvable = true;
    with.moves.resize(5);
    with.dead = 100;
    EXPECT_FALSE(item_matters(with, {{}, true, 5, 95}));
    EXPECT_TRUE(item_matters(with, {{}, true, 5, 89}));  // a trap worth a tenth of the dead ends
    EXPECT_TRUE(item_matters(with, {{}, true, 4, 100})); // a different shortest solution
    EXPECT_TRUE(item_matters(with, {{}, false, 0, 0}));
}

TEST(PositionView, GivenAPositionThenLayersMergeWithSnakesOnTopAndTheTopRowFirst) {
    Puzzle p = draft_puzzle(R"(== v View
ground marks items snakes
#~..  ...E  ..+.  ....
....  ....  ..-.  >A.b
....  ....  ....  ...^
)");
    EXPECT_EQ(position_view(p), "#~+E\n"
                                "aA-B\n"
                                "...b\n");
}

TEST(Variations, GivenManyRandomChangesThenEveryProposalKeepsTheBoardInvariants) {
    const Puzzle start = draft_puzzle(kPoof);
    ASSERT_TRUE(keeps_invariants(start));
    std::mt19937_64 rng(7);
    VariationGoals goals;
    goals.max_walls = 9;
    goals.kinds_may_change = KindsMayChange::No;
    Puzzle p = start;
    for (int i = 0; i < 500; ++i) {
        p = vary(p, goals, rng);
        ASSERT_TRUE(keeps_invariants(p)) << position_view(p);
        ASSERT_LE(p.walls.size(), goals.max_walls);
        ASSERT_EQ(p.snakes.size(), start.snakes.size());
        for (std::size_t s = 0; s < p.snakes.size(); ++s)
            ASSERT_EQ(p.snakes[s].cells.size(), start.snakes[s].cells.size());
        ASSERT_EQ(p.items.size(), start.items.size());
        for (const Item& item : p.items)
            ASSERT_EQ(item.kind, ItemKind::Shrink);
    }
}

TEST(Variations, GivenBrokenBoardsThenTheInvariantCheckRefusesThem) {
    const Puzzle start = draft_puzzle(kPoof);
    Puzzle on_wall = start;
    on_wall.walls.push_back(start.snakes[0].cells[0]);
    EXPECT_FALSE(keeps_invariants(on_wall));
    Puzzle torn = start;
    torn.snakes[1].cells[1] = {6, 1};
    EXPECT_FALSE(keeps_invariants(torn));
    Puzzle overlapping = start;
    overlapping.snakes[1].cells[0] = start.snakes[0].cells[0];
    EXPECT_FALSE(keeps_invariants(overlapping));
    Puzzle finished = start;
    finished.exit = start.snakes[0].cells.back();
    EXPECT_FALSE(keeps_invariants(finished));
    Puzzle stacked = start;
    stacked.items[1].pos = stacked.items[0].pos;
    EXPECT_FALSE(keeps_invariants(stacked));
}

TEST(Variations, GivenASearchThenProposalsAreDistinctSolvableAndBestFirst) {
    VariationGoals goals;
    goals.kinds_may_change = KindsMayChange::No;
    const auto found = search_variations(draft_puzzle(kPoof), goals, {3, 1, 40, 4});
    ASSERT_FALSE(found.empty());
    for (std::size_t i = 0; i < found.size(); ++i) {
        EXPECT_TRUE(found[i].report.solvable);
        if (i > 0) {
            EXPECT_GE(found[i - 1].score, found[i].score);
            EXPECT_FALSE(found[i - 1].puzzle == found[i].puzzle);
        }
    }
}

TEST(Variations, GivenWallsAndSnakesKeptThenOnlyItemsAndTheExitMove) {
    const Puzzle start = draft_puzzle(kPoof);
    std::mt19937_64 rng(11);
    VariationGoals goals;
    goals.walls_may_change = WallsMayChange::No;
    goals.snakes_may_change = SnakesMayChange::No;
    Puzzle p = start;
    for (int i = 0; i < 200; ++i) {
        p = vary(p, goals, rng);
        ASSERT_EQ(p.walls, start.walls);
        ASSERT_EQ(p.snakes, start.snakes);
    }
}

TEST(Variations, GivenGoalsForWhoEatsAndWhoVanishesThenTheBestProposalMeetsThem) {
    VariationGoals goals;
    goals.kinds_may_change = KindsMayChange::No;
    goals.walls_may_change = WallsMayChange::No;
    goals.eaters = {1};
    goals.vanishers = {1};
    const auto found = search_variations(draft_puzzle(kPoof), goals, {5, 1, 30, 1});
    ASSERT_EQ(found.size(), 1u);
    const auto eaten = items_eaten(found[0].puzzle, found[0].report.moves);
    ASSERT_FALSE(eaten.empty());
    EXPECT_EQ(eaten.back().snake, 1u);
    EXPECT_TRUE(eaten.back().vanished);
    // A goal no board can meet costs every proposal the same penalty.
    VariationGoals impossible = goals;
    impossible.eaters = {0, 1};
    impossible.solution_eats_all = SolutionEatsAll::Nothing;
    const Puzzle start = draft_puzzle(kPoof);
    const auto penalised = search_variations(start, impossible, {5, 1, 0, 1});
    ASSERT_EQ(penalised.size(), 1u);
    EXPECT_LT(penalised[0].score, proposal_score(start, solve(start), impossible));
}
