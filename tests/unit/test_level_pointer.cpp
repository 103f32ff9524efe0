#include "game/board_camera.hpp"
#include "input/level_pointer.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

namespace {

constexpr std::uint32_t kWidth = 800;
constexpr std::uint32_t kHeight = 600;

// Snake 0 runs up the middle column with its last cell leading at (2, 2);
// snake 1 is two-headed along the bottom row, (0, 0) to (1, 0).
Puzzle two_snakes() {
    Puzzle puzzle;
    puzzle.name = "Pointer";
    puzzle.width = 5;
    puzzle.height = 5;
    puzzle.exit = {4, 4};
    puzzle.snakes.push_back({{{2, 0}, {2, 1}, {2, 2}}, false, false});
    puzzle.snakes.push_back({{{0, 0}, {1, 0}}, true, false});
    return puzzle;
}

struct LevelPointerTest : ::testing::Test {
    LevelPlay play = make_level_play(two_snakes());
    BoardCamera camera = make_board_camera(kWidth, kHeight, 5, 5);

    // The window position of a cell's centre.
    std::pair<std::uint32_t, std::uint32_t> at(int x, int y) const {
        const Vec4 clip = camera.view_projection * Vec4{float(x), float(y), 0, 1};
        return {static_cast<std::uint32_t>((clip.x / clip.w + 1) / 2 * kWidth),
                static_cast<std::uint32_t>((1 - clip.y / clip.w) / 2 * kHeight)};
    }
    void press(int x, int y) {
        const auto [px, py] = at(x, y);
        pointer_pressed(play, camera, px, py);
    }
    void drag(int x, int y) {
        const auto [px, py] = at(x, y);
        pointer_dragged(play, camera, px, py);
    }
    void release(int x, int y) {
        const auto [px, py] = at(x, y);
        pointer_released(play, camera, px, py);
    }
    void click(int x, int y) {
        press(x, y);
        release(x, y);
    }
};

} // namespace

TEST(SnakeEndAt, GivenCells_ThenLastCellsAndTwoHeadedFirstCellsAreEnds) {
    const Puzzle puzzle = two_snakes();
    EXPECT_EQ(snake_end_at(puzzle, {2, 2}), (Selection{0, false}));
    EXPECT_EQ(snake_end_at(puzzle, {2, 0}), std::nullopt); // first cell, one-headed
    EXPECT_EQ(snake_end_at(puzzle, {2, 1}), std::nullopt);
    EXPECT_EQ(snake_end_at(puzzle, {1, 0}), (Selection{1, false}));
    EXPECT_EQ(snake_end_at(puzzle, {0, 0}), (Selection{1, true}));
    EXPECT_EQ(snake_end_at(puzzle, {4, 4}), std::nullopt);
}

TEST_F(LevelPointerTest, GivenNoSelection_WhenASnakeEndIsClicked_ThenItStaysSelected) {
    click(2, 2);
    EXPECT_EQ(play.selection, (Selection{0, false}));
    EXPECT_FALSE(play.press_cell.has_value());
    click(0, 0);
    EXPECT_EQ(play.selection, (Selection{1, true}));
    EXPECT_EQ(play.history.size(), 1u);
}

TEST_F(LevelPointerTest, GivenASelectedEnd_WhenItIsClickedAgain_ThenItIsDeselected) {
    click(2, 2);
    click(2, 2);
    EXPECT_FALSE(play.selection.has_value());
}

TEST_F(LevelPointerTest, GivenASelection_WhenAnEmptyCellFarAwayIsClicked_ThenTheSelectionStays) {
    click(2, 2);
    click(4, 4);
    EXPECT_EQ(play.selection, (Selection{0, false}));
    EXPECT_EQ(play.history.size(), 1u);
}

TEST_F(LevelPointerTest, GivenNoSelection_WhenAnEmptyCellIsClicked_ThenNothingHappens) {
    click(4, 4);
    EXPECT_FALSE(play.selection.has_value());
    EXPECT_FALSE(play.press_cell.has_value());
}

TEST_F(LevelPointerTest, GivenAPressOnAnEnd_WhenDraggedToANeighbour_ThenTheSnakeFollowsAndIsLetGo) {
    press(2, 2);
    drag(2, 3);
    EXPECT_EQ(play.current().snakes[0].cells.back(), (Pos{2, 3}));
    EXPECT_FALSE(play.press_cell.has_value());
    drag(3, 3);
    EXPECT_EQ(play.current().snakes[0].cells.back(), (Pos{3, 3}));
    release(3, 3);
    EXPECT_FALSE(play.selection.has_value());
    EXPECT_EQ(play.history.size(), 3u);
}

TEST_F(LevelPointerTest, GivenNoSelection_WhenADragCrossesAnEnd_ThenThatEndIsPickedUp) {
    press(3, 2);
    EXPECT_FALSE(play.selection.has_value());
    drag(2, 2);
    EXPECT_EQ(play.selection, (Selection{0, false}));
    drag(3, 2);
    EXPECT_EQ(play.current().snakes[0].cells.back(), (Pos{3, 2}));
}
