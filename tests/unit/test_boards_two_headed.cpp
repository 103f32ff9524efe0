// The boards of the two-headed area: every level needs its second head, and
// the area ramps from a short lesson to two long closing puzzles.

#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "levels/solver.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>

using namespace coilwend;

namespace {

// The area in overworld order.
constexpr std::array<std::string_view, 18> kTwoHeadedArea{
    "34.rs", "29.rs", "61.rs", "p1.rs", "20.rs", "5.rs",  "78.rs", "88.rs", "60.rs",
    "72.rs", "75.rs", "80.rs", "81.rs", "85.rs", "43.rs", "58.rs", "59.rs", "79.rs"};

std::size_t stored_moves(std::string_view id) {
    return move_count(stored_solution(id));
}

// Presses the stored solution and tells whether some move was led by a
// snake's first cell, which only a two-headed snake can do.
bool solution_leads_with_a_first_cell(std::string_view id) {
    LevelPlay play = start_keyboard_play(find_level(id).puzzle);
    bool front_led = false;
    for (const char key : stored_solution(id)) {
        EXPECT_TRUE(play_letters(play, std::string_view(&key, 1)));
        if (key != 'N' && play.selection && play.selection->front)
            front_led = true;
    }
    EXPECT_TRUE(is_complete(play.current()));
    return front_led;
}

} // namespace

TEST(TwoHeadedBoards, GivenTheAreaThenEveryBoardHasATwoHeadedSnakeAndItsSetting) {
    for (const std::string_view id : kTwoHeadedArea) {
        SCOPED_TRACE(id);
        const Puzzle& start = find_level(id).puzzle;
        EXPECT_EQ(start.setting, 3);
        EXPECT_TRUE(std::any_of(start.snakes.begin(), start.snakes.end(),
                                [](const Snake& s) { return s.two_headed; }));
    }
}

TEST(TwoHeadedBoards, GivenEveryStoredSolutionThenSomeMoveIsLedByTheOtherHead) {
    for (const std::string_view id : kTwoHeadedArea) {
        SCOPED_TRACE(id);
        EXPECT_TRUE(solution_leads_with_a_first_cell(id));
    }
}

TEST(TwoHeadedBoards, GivenTheFirstLevelWhenItsSnakeHasOneHeadThenItCannotBeFinished) {
    const Puzzle& lesson = find_level(kTwoHeadedArea.front()).puzzle;
    EXPECT_LE(stored_moves(kTwoHeadedArea.front()), 12u);
    Puzzle one_headed = lesson;
    for (Snake& snake : one_headed.snakes)
        snake.two_headed = false;
    EXPECT_TRUE(solve(lesson).solvable);
    EXPECT_FALSE(solve(one_headed).solvable);
}

TEST(TwoHeadedBoards, GivenTheAreaThenItEndsWithLongPuzzlesAndHasFourOfTwentyFiveMoves) {
    EXPECT_GE(stored_moves(kTwoHeadedArea[16]), 30u);
    EXPECT_GE(stored_moves(kTwoHeadedArea[17]), 30u);
    const auto long_ones =
        std::count_if(kTwoHeadedArea.begin(), kTwoHeadedArea.end(),
                      [](std::string_view id) { return stored_moves(id) >= 25; });
    EXPECT_GE(long_ones, 4);
}
