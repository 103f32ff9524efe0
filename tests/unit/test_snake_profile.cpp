// Radius profile, eaten-item bulges and the end tests of the snake mesh.

#include "snake_rendering/snake_profile.hpp"

#include <gtest/gtest.h>

namespace coilwend {
namespace {

Snake straight_snake(int length, bool two_headed = false) {
    Snake s;
    for (int x = 0; x < length; ++x)
        s.cells.push_back({static_cast<std::int8_t>(x), 0});
    s.two_headed = two_headed;
    return s;
}

TEST(SnakeRadius, GivenSnakeLengths_WhenBodyRadius_ThenGrowsPerCellAndStopsAtFifteenCells) {
    EXPECT_FLOAT_EQ(body_radius(6 * 1), 0.192f);
    EXPECT_FLOAT_EQ(body_radius(6 * 10), 0.30f);
    EXPECT_FLOAT_EQ(body_radius(6 * 14), 0.348f);
    EXPECT_FLOAT_EQ(body_radius(6 * 15), 0.35f);
    EXPECT_FLOAT_EQ(body_radius(6 * 40), 0.35f);
}

TEST(SnakeRadius, GivenAnySnake_WhenHeadSamples_ThenHeadIsWiderThanItsNeckAndTapers) {
    for (HeadCount heads : {HeadCount::One, HeadCount::Two})
        for (int n : {12, 30, 90}) {
            EXPECT_FLOAT_EQ(radius_profile(n - 5, n, heads), 0.32f);
            EXPECT_FLOAT_EQ(radius_profile(n - 4, n, heads), 0.32f);
            EXPECT_FLOAT_EQ(radius_profile(n - 3, n, heads), 0.25f);
            EXPECT_FLOAT_EQ(radius_profile(n - 2, n, heads), 0.15f);
        }
}

TEST(SnakeRadius, GivenSingleHeadedSnake_WhenProfiled_ThenThinTipSwellsToBodyAndNarrowsToNeck) {
    const int n = 60; // ten cells: G = 52, half = 26
    EXPECT_FLOAT_EQ(radius_profile(2, n, HeadCount::One), 0.05f);
    EXPECT_FLOAT_EQ(radius_profile(28, n, HeadCount::One), body_radius(n));
    EXPECT_FLOAT_EQ(radius_profile(n - 6, n, HeadCount::One), 0.18f);
    // Half way up the first curve: Q(0.5; 0.05, R, R).
    EXPECT_FLOAT_EQ(radius_profile(15, n, HeadCount::One), 0.25f * 0.05f + 0.75f * 0.30f);
    // Short snakes use G = 12, so the tail curve reaches R at sample 8.
    EXPECT_FLOAT_EQ(radius_profile(5, 12, HeadCount::One), 0.25f * 0.05f + 0.75f * body_radius(12));
}

TEST(SnakeRadius, GivenTwoHeadedSnake_WhenProfiled_ThenBothEndsAreHeadsWithNecks) {
    const int n = 48; // F = 36, g = 18
    const float expected[] = {0.15f, 0.25f, 0.32f, 0.32f};
    for (int a = 2; a <= 5; ++a)
        EXPECT_FLOAT_EQ(radius_profile(a, n, HeadCount::Two), expected[a - 2]);
    EXPECT_FLOAT_EQ(radius_profile(6, n, HeadCount::Two), 0.18f);
    EXPECT_FLOAT_EQ(radius_profile(24, n, HeadCount::Two), body_radius(n));
    EXPECT_FLOAT_EQ(radius_profile(n - 6, n, HeadCount::Two), 0.18f);
}

TEST(SnakeRadius, GivenSamplesBeyondTheRings_WhenProfiled_ThenNeverNegative) {
    for (HeadCount heads : {HeadCount::One, HeadCount::Two})
        for (int n = 6; n <= 120; n += 6)
            for (int a = -6; a < n + 6; ++a)
                EXPECT_GE(radius_profile(a, n, heads), 0.0f) << n << " " << a;
}

TEST(SnakeBulge, GivenEatenMarkUnderACell_WhenBulge_ThenRoundBumpScaledByCountdownOverLength) {
    const Snake snake = straight_snake(5);
    Puzzle puzzle;
    puzzle.eaten_marks = {{{2, 0}, 4}};
    // Cell 2 holds samples 12..17; the bump peaks at its middle sample.
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 15, 0), 0.2f * 4 / 5);
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 12, 0), 0.0f);
    EXPECT_GT(bulge(snake, puzzle, 14, 0), 0.0f);
    EXPECT_LT(bulge(snake, puzzle, 14, 0), bulge(snake, puzzle, 15, 0));
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 9, 0), 0.0f);
    // At the start of a step the countdown was one higher.
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 15, -1.0f), 0.2f);
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 15, 0.5f), 0.2f * 4.5f / 5);
}

TEST(SnakeBulge, GivenHugeCountdownOrSamplesOutsideTheSnake_WhenBulge_ThenBoundedAndZero) {
    const Snake snake = straight_snake(3);
    Puzzle puzzle;
    puzzle.eaten_marks = {{{0, 0}, ~std::uint64_t{0}}};
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 3, 0), 0.2f);
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, -3, 0), 0.0f);
    EXPECT_FLOAT_EQ(bulge(snake, puzzle, 18, 0), 0.0f);
}

TEST(SnakeReach, GivenFoodAroundTheHead_WhenHeadReach_ThenFollowsTheStep) {
    const Snake snake = straight_snake(4); // head at (3, 0), ahead (4, 0), behind (2, 0)
    Puzzle ahead;
    ahead.items = {{ItemKind::Grow, {4, 0}}};
    EXPECT_FLOAT_EQ(head_reach(snake, ahead, 0), 1.0f);
    EXPECT_FLOAT_EQ(head_reach(snake, ahead, -0.25f), 0.75f);
    Puzzle behind;
    behind.eaten_marks = {{{2, 0}, 3}};
    EXPECT_FLOAT_EQ(head_reach(snake, behind, 0), 0.0f);
    EXPECT_FLOAT_EQ(head_reach(snake, behind, -0.25f), 0.25f);
    Puzzle both = ahead;
    both.eaten_marks = behind.eaten_marks;
    EXPECT_FLOAT_EQ(head_reach(snake, both, -0.6f), 1.0f);
    Puzzle on;
    on.items = {{ItemKind::Shrink, {3, 0}}};
    EXPECT_FLOAT_EQ(head_reach(snake, on, 0.7f), 1.0f);
    EXPECT_FLOAT_EQ(head_reach(snake, Puzzle{}, 0.7f), 0.0f);
}

TEST(SnakeReach, GivenItemBeyondTheFirstCell_WhenTailReach_ThenOnlyTwoHeadedSnakesReach) {
    Puzzle puzzle;
    puzzle.items = {{ItemKind::Grow, {-1, 0}}, {ItemKind::Grow, {0, 0}}};
    EXPECT_FLOAT_EQ(tail_reach(straight_snake(3), puzzle, 0), 0.0f);
    // Only the item ahead counts at the tail; the one under the tail does not.
    EXPECT_FLOAT_EQ(tail_reach(straight_snake(3, true), puzzle, 0.5f), 0.5f);
}

} // namespace
} // namespace coilwend
