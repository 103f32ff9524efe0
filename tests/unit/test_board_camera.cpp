#include "game/board_camera.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>

using namespace coilwend;

TEST(BoardCamera, SquareWindowAndSquareBoardLeaveAMarginOfAFifth) {
    // The margin takes 200 of the 1000 pixels, so the board's width is what fits.
    const auto camera = make_board_camera(1000, 1000, 5, 5);
    EXPECT_FLOAT_EQ(camera.view_width, 1.08f * 5);
    EXPECT_FLOAT_EQ(camera.view_height, 1.08f * 5 / 0.8f);
    EXPECT_FLOAT_EQ(camera.total_view_width, camera.view_width * 1.25f);
    EXPECT_NEAR(camera.total_view_width / camera.view_height, 1.0f, 1e-5);
}

TEST(BoardCamera, TallWindowFitsTheBoardWidthAndWideWindowTheHeight) {
    EXPECT_FLOAT_EQ(make_board_camera(400, 1000, 9, 6).view_width, 1.08f * 9);
    EXPECT_FLOAT_EQ(make_board_camera(1920, 1080, 9, 6).view_height, 1.08f * 6);
}

TEST(BoardCamera, PointerAtCellCentresMapsBackToThoseCells) {
    const auto camera = make_board_camera(1280, 720, 7, 5);
    for (int x = 0; x < 7; ++x)
        for (int y = 0; y < 5; ++y) {
            const Pos cell{std::int8_t(x), std::int8_t(y)};
            const ScreenPoint centre = cell_pixel(camera, cell);
            EXPECT_EQ(pointer_cell(camera, centre.x, centre.y), cell);
        }
}

TEST(BoardCamera, PointerRoundsHalvesAwayFromZeroOnBothSidesOfTheOrigin) {
    // A flat 16 x 16 view over 256 pixels: world x = px / 16 - 8 and
    // y = 8 - py / 16, exact in binary, so the halves are true halves.
    BoardCamera camera;
    camera.viewport_width = camera.viewport_height = 256;
    camera.view_projection = ortho(-8, 8, -8, 8, -8, 8);
    const std::pair<float, std::int8_t> cases[] = {{136, 1}, {120, -1},          {88, -3},
                                                   {152, 2}, {128 - 8 * 16, -8}, {127, 0}};
    for (const auto& [pixel, cell] : cases) {
        EXPECT_EQ(pointer_cell(camera, pixel, 128).x, cell) << "px " << pixel;
        EXPECT_EQ(pointer_cell(camera, 128, 256 - pixel).y, cell) << "py " << 256 - pixel;
    }
}

TEST(BoardCamera, AspectCheckNeverFiresOverWindowSizes) {
    for (std::uint32_t w = 400; w <= 3000; w += 97)
        for (std::uint32_t h = 400; h <= 2000; h += 89)
            for (std::uint8_t bw : {4, 9, 11})
                for (std::uint8_t bh : {2, 6, 7})
                    EXPECT_NEAR(make_board_camera(w, h, bw, bh).total_view_width /
                                    make_board_camera(w, h, bw, bh).view_height,
                                float(w) / float(h), 0.01f);
}

TEST(LightMatrix, CoversTheBoardAndLooksAlongTheLightDirection) {
    for (auto [bw, bh] : {std::pair{4, 3}, std::pair{11, 7}, std::pair{9, 6}}) {
        const Mat4 light = board_light_matrix(std::uint8_t(bw), std::uint8_t(bh));
        const float m = float(std::max(bw, bh));
        for (float x : {0.0f, m})
            for (float y : {0.0f, m})
                for (float z : {0.0f, 1.0f}) {
                    const Vec4 p = light * Vec4{x, y, z, 1};
                    EXPECT_LE(std::fabs(p.x), 1.0f) << bw << "x" << bh;
                    EXPECT_LE(std::fabs(p.y), 1.0f) << bw << "x" << bh;
                    EXPECT_LE(std::fabs(p.z), 1.0f) << bw << "x" << bh;
                }
        // A point moved toward the light lands on the same shadow-map texel.
        const Vec4 a = light * Vec4{2, 1, 0, 1};
        const Vec4 b = light * Vec4{2 + 0.3f, 1 + 0.4f, 1, 1};
        EXPECT_NEAR(a.x, b.x, 1e-5f);
        EXPECT_NEAR(a.y, b.y, 1e-5f);
        EXPECT_LT(b.z, a.z) << "nearer the light means a smaller depth";
    }
}
