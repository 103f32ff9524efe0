// The solver: its figures on the two worked boards, the way it counts
// positions, and that every stored solution really finishes its level when
// pressed key by key in a real play of the level.

#include "levels/board_parser.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "levels/solver.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace coilwend;

namespace {

Puzzle board_of(std::string_view picture) {
    const auto parsed = parse_board(BoardText{"t.rs", "Test", 0, picture, "test", 1});
    EXPECT_TRUE(parsed.level) << parsed.error;
    return parsed.level ? parsed.level->puzzle : Puzzle{};
}

// Presses the letters on a fresh keyboard play and tells whether the level ends finished.
bool letters_finish(const Puzzle& start, std::string_view letters) {
    LevelPlay play = start_keyboard_play(start);
    EXPECT_TRUE(play_letters(play, letters));
    return is_complete(play.current());
}

} // namespace

TEST(Solver, GivenTheWorkedBoardsThenTheFiguresAreTheKnownOnes) {
    const SolveReport parallel = solve(find_level("12.rs").puzzle);
    EXPECT_TRUE(parallel.solvable);
    EXPECT_EQ(parallel.moves.size(), 9u);
    EXPECT_EQ(parallel.reachable, 10'522u);
    EXPECT_EQ(parallel.dead, 898u);

    const SolveReport ekans = solve(find_level("1.rs").puzzle);
    EXPECT_TRUE(ekans.solvable);
    EXPECT_EQ(ekans.moves.size(), 28u);
    EXPECT_EQ(ekans.reachable, 29'935u);
    EXPECT_EQ(ekans.dead, 4'653u);
}

TEST(Solver, GivenABoardWithNoWayOutThenEveryPositionIsDead) {
    // The only snake is walled into the left half; the exit is beyond the wall.
    const Puzzle start = board_of(R"(
ground marks items snakes
..#.   ...E  ....  ....
..#.   ....  ....  >A..
)");
    const SolveReport r = solve(start);
    EXPECT_FALSE(r.solvable);
    EXPECT_TRUE(r.moves.empty());
    EXPECT_GT(r.reachable, 1u);
    EXPECT_EQ(r.dead, r.reachable);
    EXPECT_EQ(r.first_moves, r.first_moves_dead);
}

TEST(Solver, GivenAFinishedStartThenTheSolutionIsEmptyAndNothingElseIsReached) {
    const Puzzle start = board_of(R"(
ground marks items snakes
....   ....  ....  ....
....   .E..  ....  >A..
)");
    const SolveReport r = solve(start);
    EXPECT_TRUE(r.solvable);
    EXPECT_TRUE(r.moves.empty());
    EXPECT_EQ(r.reachable, 1u);
    EXPECT_EQ(r.dead, 0u);
}

TEST(Solver, GivenASnakeThatMustVanishThenTheLettersReselectAfterItsSelectionIsCleared) {
    // A stands in B's way with a shrink item under its head: stepping off it
    // leaves A with no cells, which clears the selection; N then picks B.
    const Puzzle start = board_of(R"(
ground marks items snakes
.....  ....E  ...-.  >>BA.
.....  .....  .....  ...^.
)");
    const SolveReport r = solve(start);
    ASSERT_TRUE(r.solvable);
    EXPECT_EQ(r.moves.size(), 3u);
    const std::string letters = solution_letters(start, r.moves);
    EXPECT_EQ(letters, "RNRR");
    EXPECT_TRUE(letters_finish(start, letters));
}

TEST(Solver, GivenATwoHeadedSnakeThenItsFirstCellMayLeadAndTheLettersSelectIt) {
    // Only the first cell (the left end) can reach the exit in one move.
    const Puzzle start = board_of(R"(
ground marks items snakes
....   E...  ....  ....
....   ....  ....  >>>A
two-headed: A
)");
    const SolveReport r = solve(start);
    ASSERT_TRUE(r.solvable);
    ASSERT_EQ(r.moves.size(), 1u);
    EXPECT_TRUE(r.moves[0].front);
    const std::string letters = solution_letters(start, r.moves);
    EXPECT_EQ(letters, "NU");
    EXPECT_TRUE(letters_finish(start, letters));
}

TEST(Solver, GivenAPositionLimitThenTheSearchStopsAndSaysSo) {
    const SolveReport r = solve(find_level("1.rs").puzzle, SolveLimits{100});
    EXPECT_TRUE(r.gave_up);
    EXPECT_LE(r.reachable, 100u + 16u);
}

TEST(StoredSolutions, GivenEveryLevelThenItsStoredSolutionFinishesItWhenPressedKeyByKey) {
    for (const Level& level : level_definitions()) {
        SCOPED_TRACE(level.id);
        const std::string_view letters = stored_solution(level.id);
        ASSERT_FALSE(letters.empty());
        LevelPlay play = start_keyboard_play(level.puzzle);
        // Every letter but the last leaves the level unfinished: no key is wasted after the end.
        ASSERT_TRUE(play_letters(play, letters.substr(0, letters.size() - 1)));
        EXPECT_FALSE(is_complete(play.current()));
        ASSERT_TRUE(play_letters(play, letters.substr(letters.size() - 1)));
        EXPECT_TRUE(is_complete(play.current()));
        EXPECT_EQ(play.history.size(), move_count(letters) + 1) << "a move was refused";
    }
}

TEST(SlowStoredSolutions, GivenEveryLevelThenNoShorterSolutionExists) {
    if (std::getenv("COILWEND_SLOW_TESTS") == nullptr)
        GTEST_SKIP() << "solves the whole catalogue; run with the slow label";
    for (const Level& level : level_definitions()) {
        SCOPED_TRACE(level.id);
        const SolveReport r = solve(level.puzzle);
        ASSERT_FALSE(r.gave_up) << "the search must finish to prove a solution shortest";
        ASSERT_TRUE(r.solvable);
        EXPECT_EQ(move_count(stored_solution(level.id)), r.moves.size());
    }
}
