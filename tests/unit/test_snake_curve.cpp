// Cell extrapolation, the centre line with its frames, and the step animation
// of the snake mesh's curve.

#include "snake_rendering/snake_curve.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <unistd.h>

namespace coilwend {
namespace {

Snake snake_of(std::vector<Pos> cells, bool two_headed = false) {
    Snake s;
    s.cells = std::move(cells);
    s.two_headed = two_headed;
    return s;
}

SnakeAnimation step(float progress, Pos trailing, bool ate_grow = false) {
    SnakeAnimation a;
    a.active = true;
    a.progress = progress;
    a.trailing = trailing;
    a.item_eaten = ate_grow;
    a.item_kind = ItemKind::Grow;
    return a;
}

void expect_near(Vec3 actual, Vec3 expected, float tolerance, const std::string& what) {
    EXPECT_NEAR(actual.x, expected.x, tolerance) << what;
    EXPECT_NEAR(actual.y, expected.y, tolerance) << what;
    EXPECT_NEAR(actual.z, expected.z, tolerance) << what;
}

// The centre of cell i is sample 6i + 3.
float centre_sample(int cell) {
    return static_cast<float>(kSamplesPerCell * cell + 3);
}

TEST(SnakeCellAt, GivenIndicesInsideAndBeyondTheEnds_WhenCellAt_ThenCellsOrStraightExtrapolation) {
    const Snake s = snake_of({{2, 1}, {3, 1}, {3, 2}, {3, 3}});
    EXPECT_EQ(cell_at(s, 0), (Pos{2, 1}));
    EXPECT_EQ(cell_at(s, 2), (Pos{3, 2}));
    EXPECT_EQ(cell_at(s, -1), (Pos{1, 1}));
    EXPECT_EQ(cell_at(s, -3), (Pos{-1, 1}));
    EXPECT_EQ(cell_at(s, 4), (Pos{3, 4}));
    EXPECT_EQ(cell_at(s, 6), (Pos{3, 6}));
}

TEST(SnakeCellAt, GivenOneCellSnake_WhenCellAt_ThenExtrapolatesAlongPlusX) {
    const Snake s = snake_of({{4, 2}});
    EXPECT_EQ(cell_at(s, 0), (Pos{4, 2}));
    EXPECT_EQ(cell_at(s, 2), (Pos{6, 2}));
    EXPECT_EQ(cell_at(s, -1), (Pos{3, 2}));
}

TEST(SnakeCellAt, GivenCellsAtTheByteEdge_WhenExtrapolated_ThenCoordinatesWrap) {
    const Snake s = snake_of({{126, 0}, {127, 0}});
    EXPECT_EQ(cell_at(s, 2), (Pos{-128, 0}));
    const Snake low = snake_of({{-128, 5}, {-127, 5}});
    EXPECT_EQ(cell_at(low, -1), (Pos{127, 5}));
}

TEST(SnakeCellAtDeath, GivenSnakeWithoutCells_WhenCellAt_ThenProgramStops) {
    EXPECT_EXIT(
        {
            dup2(2, 1);
            cell_at(Snake{}, 0);
        },
        testing::ExitedWithCode(101), "cell_at on a snake without cells");
}

TEST(SnakeCurve, GivenStraightSnakeAtRest_WhenSampled_ThenCentresOnCellsWithUprightFrame) {
    const Snake s = snake_of({{0, 0}, {1, 0}, {2, 0}});
    for (int cell = 0; cell < 3; ++cell) {
        const CurveFrame f = snake_curve(s, centre_sample(cell), 0, {});
        expect_near(f.centre, {static_cast<float>(cell), 0, 0}, 1e-5f, "centre");
        expect_near(f.forward, {1, 0, 0}, 1e-5f, "forward");
        expect_near(f.up, {0, 0, 1}, 1e-5f, "up");
        expect_near(f.side, {0, -1, 0}, 1e-5f, "side is to the right");
    }
    // Six samples per cell, evenly along a straight run.
    expect_near(snake_curve(s, 6, 0, {}).centre, {0.5f, 0, 0}, 1e-5f, "cell border");
}

TEST(SnakeCurve, GivenTurningSnake_WhenSampledEverywhere_ThenFramesStayOrthonormal) {
    const Snake s = snake_of({{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 2}, {1, 2}, {2, 2}});
    for (float a = 0; a < 42; a += 0.5f) {
        const CurveFrame f = snake_curve(s, a, 0, {});
        EXPECT_NEAR(length(f.side), 1, 1e-4f);
        EXPECT_NEAR(length(f.up), 1, 1e-4f);
        EXPECT_NEAR(length(f.forward), 1, 1e-4f);
        EXPECT_NEAR(dot(f.side, f.up), 0, 1e-4f);
        EXPECT_NEAR(dot(f.side, f.forward), 0, 1e-4f);
        EXPECT_NEAR(dot(f.up, f.forward), 0, 1e-4f);
        EXPECT_GT(f.up.z, 0.9f) << "the body never rolls over, sample " << a;
    }
}

TEST(SnakeCurve, GivenLeftTurn_WhenSampledAtTheCorner_ThenBodyLeansIntoTheTurn) {
    // Heading +x, then turning left to +y at cell (2, 0): the inside is on the left.
    const Snake s = snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}});
    const CurveFrame f = snake_curve(s, centre_sample(2) - 1, 0, {});
    const Vec3 inside = normalize(Vec3{-f.forward.y, f.forward.x, 0});
    EXPECT_GT(dot(f.up, inside), 0.02f);
    EXPECT_LT(dot(f.up, inside), 0.35f);
}

TEST(SnakeCurve, GivenLastCellsRepeated_WhenSampled_ThenRepeatedCellSinksBelowTheFloor) {
    const Snake s = snake_of({{1, 1}, {2, 1}, {3, 1}, {3, 1}});
    EXPECT_NEAR(snake_curve(s, centre_sample(2), 0, {}).centre.z, 0, 1e-5f);
    const CurveFrame dipped = snake_curve(s, centre_sample(3), 0, {});
    expect_near(dipped.centre, {3, 1, -1}, 1e-5f, "repeated cell");
    EXPECT_LT(dipped.forward.z, -0.3f);
    for (float a = 0; a < 24; a += 0.25f) {
        const CurveFrame f = snake_curve(s, a, 0, {});
        EXPECT_TRUE(std::isfinite(f.up.x + f.up.y + f.up.z + f.side.x + f.side.y + f.side.z));
        EXPECT_NEAR(length(f.up), 1, 1e-4f);
    }
}

TEST(SnakeCurve, GivenUTurnAndSBend_WhenSampled_ThenCornerHandlesGiveUpTheOuterDifference) {
    // Points worked out by hand from the Bézier control points: a corner
    // handle is 0.5523 of the central difference, less 0.09 of the difference
    // outside the segment when the differences on either side of it disagree.
    const Snake u_turn = snake_of({{0, 0}, {1, 0}, {1, 1}, {0, 1}});
    expect_near(snake_curve(u_turn, centre_sample(1) + 3, 0, {}).centre, {1.139611f, 0.5f, 0},
                1e-4f, "apex of the U");
    expect_near(snake_curve(u_turn, centre_sample(1) + 1, 0, {}).centre, {1.077556f, 0.150782f, 0},
                1e-4f, "into the U");
    const Snake s_bend = snake_of({{0, 0}, {1, 0}, {1, 1}, {2, 1}});
    // Between the two corners the differences agree: plain corner handles.
    expect_near(snake_curve(s_bend, centre_sample(1) + 1, 0, {}).centre, {1.076708f, 0.150782f, 0},
                1e-4f, "middle of the S");
    // Before the first corner they disagree: the swing out before it is smaller.
    expect_near(snake_curve(s_bend, centre_sample(0) + 3, 0, {}).centre, {0.520194f, -0.069806f, 0},
                1e-4f, "into the S");
}

// The snake before and after a plain step, and the samples the step leaves
// unchanged at its start: everything but the corner the tail is leaving.
void expect_step_starts_where_the_snake_lay(const Snake& before, const Snake& after,
                                            const SnakeAnimation& start, int first_changed,
                                            int last_changed) {
    const int n = kSamplesPerCell * static_cast<int>(after.cells.size());
    for (int a = 0; a < n; ++a) {
        if (a >= first_changed && a <= last_changed)
            continue;
        const CurveFrame moving = snake_curve(after, static_cast<float>(a), 0, start);
        const CurveFrame old = snake_curve(before, static_cast<float>(a), 0, {});
        expect_near(moving.centre, old.centre, 1e-4f, "start " + std::to_string(a));
        expect_near(moving.up, old.up, 1e-4f, "start frame " + std::to_string(a));
        SnakeAnimation done = start;
        done.progress = 0.0f;
        expect_near(snake_curve(after, static_cast<float>(a), 0, done).centre,
                    snake_curve(after, static_cast<float>(a), 0, {}).centre, 1e-5f,
                    "end " + std::to_string(a));
    }
}

TEST(SnakeCurve, GivenPlainSteps_WhenAtTheirStart_ThenBothEndsLieWhereTheyWere) {
    // Led by the last cell, turning up at the head; the tail leaves a corner.
    expect_step_starts_where_the_snake_lay(snake_of({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {3, 1}}),
                                           snake_of({{1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 2}}),
                                           step(-1, {0, 0}), 3, 14);
    // Led by the first cell of a two-headed snake, turning down.
    expect_step_starts_where_the_snake_lay(snake_of({{2, 1}, {3, 1}, {3, 2}, {4, 2}}, true),
                                           snake_of({{2, 0}, {2, 1}, {3, 1}, {3, 2}}, true),
                                           step(1, {4, 2}), 9, 20);
}

TEST(SnakeCurve, GivenPlainStep_WhenUnderWay_ThenTheTailFollowsTheCellItGaveUp) {
    // The tail came up from (0, 0); straight on would put it at (1, -1).
    const Snake s = snake_of({{1, 0}, {1, 1}, {2, 1}, {3, 1}, {3, 2}});
    expect_near(snake_curve(s, 2, 0, step(-1, {0, 0})).centre, {-0.165741f, 0, 0}, 1e-4f,
                "tail tip at the start, on the old path");
    // Sample 0 sits on the point beyond the tail, halfway through the step
    // 0.5^2.5 of the way from the cell given up to the straight continuation.
    expect_near(snake_curve(s, 0, 0, step(-0.5f, {0, 0})).centre, {0.176777f, -0.176777f, 0}, 1e-4f,
                "beyond the tail halfway");
    expect_near(snake_curve(s, 0, 0, step(-0.0f, {0, 0})).centre, {1, -0.5f, 0}, 1e-4f,
                "straight on at the end");
}

TEST(SnakeCurve, GivenGrowingStep_WhenAtItsStart_ThenTailStaysAndHeadStartsAtTheOldHead) {
    const Snake before = snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}});
    const Snake after = snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {3, 1}});
    const SnakeAnimation start = step(-1, {0, 0}, true);
    for (float a = 0; a < 12; a += 1)
        expect_near(snake_curve(after, a, 0, start).centre, snake_curve(before, a, 0, {}).centre,
                    1e-4f, "body " + std::to_string(a));
    for (float a = 24; a < 30; a += 1)
        expect_near(snake_curve(after, a, 0, start).centre,
                    snake_curve(before, a - 6, 0, {}).centre, 1e-4f, "head " + std::to_string(a));
}

TEST(SnakeCurve, GivenGrowingStep_WhenShiftsAreComputed_ThenOnlyTheCellBehindTheHeadUnfolds) {
    SnakeAnimation last = step(-0.6f, {0, 0}, true);
    EXPECT_FLOAT_EQ(animation_shift(5, 5, last), 0.0f);
    EXPECT_FLOAT_EQ(animation_shift(17, 5, last), 0.0f);
    EXPECT_FLOAT_EQ(animation_shift(21, 5, last), -0.5f);
    EXPECT_FLOAT_EQ(animation_shift(23, 5, last), -0.6f);
    EXPECT_FLOAT_EQ(animation_shift(27, 5, last), -0.6f);
    SnakeAnimation first = step(0.6f, {0, 0}, true);
    EXPECT_FLOAT_EQ(animation_shift(3, 5, first), 0.6f);
    EXPECT_FLOAT_EQ(animation_shift(9, 5, first), 0.5f);
    EXPECT_FLOAT_EQ(animation_shift(12, 5, first), 0.0f);
    EXPECT_FLOAT_EQ(animation_shift(12, 5, step(0.6f, {0, 0})), 0.6f);
    EXPECT_FLOAT_EQ(animation_shift(12, 5, SnakeAnimation{}), 0.0f);
}

TEST(SnakeCurve, GivenReachingHead_WhenSampled_ThenTheHeadCellIsPulledIn) {
    const Snake s = snake_of({{0, 0}, {1, 0}, {2, 0}});
    const float rest = snake_curve(s, 17, 0, {}).centre.x;
    const float reaching = snake_curve(s, 17, 1, {}).centre.x;
    EXPECT_NEAR(rest - reaching, 5.0f / 36, 1e-3f);
    EXPECT_FLOAT_EQ(snake_curve(s, 12, 1, {}).centre.x, snake_curve(s, 12, 0, {}).centre.x);
}

TEST(SnakeCurveDeath, GivenProgressThatIsNotANumber_WhenSampled_ThenTheAssertionStops) {
    const Snake s = snake_of({{0, 0}, {1, 0}});
    EXPECT_EXIT(
        {
            dup2(2, 1);
            snake_curve(s, 3, 0, step(std::nanf(""), {-1, 0}));
        },
        testing::ExitedWithCode(101), "assertion failed: t >= 0.0");
}

} // namespace
} // namespace coilwend
