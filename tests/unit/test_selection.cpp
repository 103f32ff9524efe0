#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

Puzzle three_snakes() {
    Puzzle p = open_board(6, 4);
    p.snakes = {snake({{0, 0}, {1, 0}}), snake({{0, 2}, {1, 2}}, true), Snake{},
                snake({{4, 3}, {5, 3}}, false, true)};
    return p;
}

TEST(Cycling, TwoHeadedSnakesGiveTwoEndsAndEmptySnakesNone) {
    Played game(three_snakes(), std::nullopt);
    std::vector<Selection> seen;
    for (int i = 0; i < 5; ++i) {
        cycle_selection(game.play, true);
        seen.push_back(*game.play.selection);
    }
    EXPECT_EQ(seen,
              (std::vector<Selection>{{0, false}, {1, false}, {1, true}, {3, false}, {0, false}}));
}

TEST(Cycling, BackwardWithoutSelectionPicksTheLastEndAndWraps) {
    Played game(three_snakes(), std::nullopt);
    cycle_selection(game.play, false);
    EXPECT_EQ(game.play.selection, (Selection{3, false}));
    cycle_selection(game.play, false);
    EXPECT_EQ(game.play.selection, (Selection{1, true}));
    game.play.selection = Selection{0, false};
    cycle_selection(game.play, false);
    EXPECT_EQ(game.play.selection, (Selection{3, false}));
}

TEST(Cycling, NoSnakeWithCellsLeavesNoSelection) {
    Puzzle p = open_board(3, 3);
    p.snakes = {Snake{}};
    Played game(p);
    cycle_selection(game.play, true);
    EXPECT_FALSE(game.play.selection.has_value());
}

// Pixel position of a world point under the camera.
std::pair<std::uint32_t, std::uint32_t> to_pixels(const BoardCamera& camera, float x, float y) {
    const Vec4 clip = camera.view_projection * Vec4{x, y, 0, 1};
    const float px = (clip.x / clip.w + 1) / 2 * static_cast<float>(camera.viewport_width);
    const float py = (1 - clip.y / clip.w) / 2 * static_cast<float>(camera.viewport_height);
    return {static_cast<std::uint32_t>(px), static_cast<std::uint32_t>(py)};
}

struct Steering : ::testing::Test {
    Puzzle board = [] {
        Puzzle p = open_board(6, 5);
        p.walls = {{3, 3}};
        p.snakes = {snake({{0, 2}, {1, 2}, {2, 2}})};
        return p;
    }();
    BoardCamera camera = make_board_camera(1000, 800, 6, 5);
    Played game{board};
    void point_at(float x, float y) {
        auto [px, py] = to_pixels(camera, x, y);
        steer_to_pointer(game.play, camera, px, py);
    }
};

TEST_F(Steering, PointingAtTheLeadClearsTheBumpMemoryAndMovesNothing) {
    game.play.last_bump = BumpMemory{1, 0};
    point_at(2, 2);
    EXPECT_FALSE(game.play.last_bump.has_value());
    EXPECT_EQ(game.play.history.size(), 1u);
}

TEST_F(Steering, ClearlyInsideANeighbourMovesThereAndLeavesNoSelectionInHistory) {
    point_at(3, 2);
    ASSERT_EQ(game.play.history.size(), 2u);
    EXPECT_EQ(game.now().snakes[0].cells.back(), (Pos{3, 2}));
    EXPECT_FALSE(game.play.history.back().selection.has_value());
}

TEST_F(Steering, HoldingOnABlockedNeighbourBumpsOnce) {
    game.play.history[0].puzzle.walls = {{3, 2}};
    point_at(3, 2);
    point_at(3, 2);
    point_at(3.1f, 2.1f);
    EXPECT_EQ(game.recorder.cues, (std::vector<int>{cue::kBump}));
}

TEST_F(Steering, TwoCellsAwayMovesOnlyWhenOneLegalNeighbourIsUnderTheSamples) {
    point_at(4, 2);
    EXPECT_EQ(game.play.history.size(), 1u) << "samples all land on (4,2), not a neighbour";
    // Near the corner between (2,3), (3,3) [wall] and (3,2), (2,2) [lead]:
    // samples fall on four cells, of which only (3,2) and (2,3) are legal.
    point_at(2.5f, 2.5f);
    EXPECT_EQ(game.play.history.size(), 1u) << "two legal neighbours: ambiguous";
}

TEST_F(Steering, NearABorderTheOnlyLegalNeighbourWins) {
    game.play.history[0].puzzle.walls = {{2, 3}};
    // On the border between (3,2) and (3,3), off the lead's row and column.
    point_at(3.0f, 2.5f);
    ASSERT_EQ(game.play.history.size(), 2u);
    EXPECT_EQ(game.now().snakes[0].cells.back(), (Pos{3, 2}));
}

TEST_F(Steering, WithoutSelectionNothingHappens) {
    game.play.selection.reset();
    point_at(3, 2);
    EXPECT_EQ(game.play.history.size(), 1u);
}

} // namespace
