// The aimless player of the board lab: random walks that never undo, on
// boards where the outcome is known without walking.

#include "board_lab/wander.hpp"

#include "support/board_lab_fixtures.hpp"

#include <gtest/gtest.h>

using namespace coilwend;
using namespace coilwend::board_lab;
using namespace coilwend::testing;

namespace {

// One corridor, no choice but forward: every walk arrives in three moves.
constexpr std::string_view kCorridor = R"(
ground marks items snakes
#####  .....  .....  .....
.....  ....E  .....  >A...
#####  .....  .....  .....
)";

} // namespace

TEST(BoardLabWander, GivenBoardsWithoutChoiceThenEveryWalkEndsTheSameWay) {
    const WanderReport straight = wander(board_of(kCorridor), WanderRun{200, 50, 7});
    ASSERT_TRUE(straight.measured);
    EXPECT_EQ(straight.walks, 200u);
    EXPECT_EQ(straight.finished, 200u);
    EXPECT_EQ(straight.dead, 0u);
    EXPECT_EQ(straight.finish_moves, 200u * 3);

    // The only move eats the shrink and leaves a two-cell snake with nothing.
    const WanderReport doomed = wander(board_of(kShrinkInTheWay), WanderRun{100, 50, 7});
    EXPECT_EQ(doomed.finished, 0u);
    EXPECT_EQ(doomed.dead, 100u);
    EXPECT_DOUBLE_EQ(doomed.dead_share(), 1.0);
}

TEST(BoardLabWander, GivenTooFewMovesThenWalksNeitherFinishNorCountAsDead) {
    const WanderReport cut = wander(board_of(kCorridor), WanderRun{50, 2, 7});
    EXPECT_EQ(cut.finished, 0u);
    EXPECT_EQ(cut.dead, 0u);
}

TEST(BoardLabWander, GivenAChoiceBoardThenTheSameSeedRepeatsAndSharesStayInRange) {
    const Puzzle pocket = board_of(kPocket);
    const WanderReport a = wander(pocket, WanderRun{500, 100, 3});
    const WanderReport b = wander(pocket, WanderRun{500, 100, 3});
    EXPECT_EQ(a.finished, b.finished);
    EXPECT_EQ(a.dead, b.dead);
    EXPECT_LE(a.finished + a.dead, a.walks);
    // Backing out of the pocket is a choice among several, so some walks miss it.
    EXPECT_LT(a.finished, a.walks);
}

TEST(BoardLabWander, GivenAPositionLimitTooSmallThenNothingIsMeasured) {
    const WanderReport r = wander(board_of(kPocket), WanderRun{10, 10, 1}, SolveLimits{2});
    EXPECT_FALSE(r.measured);
    EXPECT_EQ(r.walks, 0u);
}
