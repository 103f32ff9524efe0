// Which snake wears which skin, and the scale and eye colours of the skins.

#include "snake_rendering/snake_skin.hpp"

#include <gtest/gtest.h>

namespace coilwend {
namespace {

Snake plain(bool companion) {
    Snake s;
    s.cells = {{0, 0}, {1, 0}};
    s.companion = companion;
    return s;
}

TEST(SnakeSkin, GivenTheReunionLevel_WhenSkinChosen_ThenFixedPerIndexAndOneBeyond) {
    Puzzle puzzle;
    puzzle.name = "Reunion";
    const std::uint8_t expected[] = {2, 0, 0, 2, 3, 4, 0, 1, 1};
    for (std::size_t i = 0; i < 9; ++i) {
        EXPECT_EQ(snake_skin(puzzle, i, plain(false)), expected[i]) << i;
        EXPECT_EQ(snake_skin(puzzle, i, plain(true)), expected[i]) << i;
    }
    EXPECT_EQ(snake_skin(puzzle, 999, plain(false)), 1);
}

TEST(SnakeSkin, GivenOtherLevels_WhenSkinChosen_ThenPlayerSkinTwoAndCompanionsBySetting) {
    Puzzle puzzle;
    puzzle.name = "Reunion ";
    const std::uint8_t by_setting[] = {3, 0, 4, 1, 6, 6, 6};
    for (std::uint8_t setting = 0; setting < 7; ++setting) {
        puzzle.setting = setting;
        EXPECT_EQ(snake_skin(puzzle, 0, plain(false)), 2);
        EXPECT_EQ(snake_skin(puzzle, 999, plain(false)), 2);
        EXPECT_EQ(snake_skin(puzzle, 1, plain(true)), by_setting[setting]) << int{setting};
    }
}

constexpr Rgb kCoralBlack{3, 3, 5}, kCoralCream{235, 222, 138}, kCoralRed{200, 5, 2};

TEST(SnakeSkinColour, GivenCoralSkin_WhenBodyAndHeadColoured_ThenBandsAndHeadPattern) {
    const int n = 60;
    EXPECT_EQ(skin_colour(0, 3, 0, QuadHalf::First, n, HeadCount::One), kCoralBlack);
    EXPECT_EQ(skin_colour(0, 4, 5, QuadHalf::Second, n, HeadCount::One), kCoralCream);
    EXPECT_EQ(skin_colour(0, 6, 0, QuadHalf::First, n, HeadCount::One), kCoralRed);
    // Head rings counted from the snout: l = n - a - 3.
    EXPECT_EQ(skin_colour(0, n - 3, 0, QuadHalf::First, n, HeadCount::One), kCoralBlack);
    EXPECT_EQ(skin_colour(0, n - 5, 7, QuadHalf::First, n, HeadCount::One), kCoralCream);
    EXPECT_EQ(skin_colour(0, n - 2, 0, QuadHalf::First, n, HeadCount::One), (Rgb{255, 0, 0}));
    // A single-headed tail is body; a two-headed one is a second head.
    EXPECT_EQ(skin_colour(0, 4, 0, QuadHalf::First, n, HeadCount::Two), kCoralCream);
    EXPECT_EQ(skin_colour(0, 2, 0, QuadHalf::First, n, HeadCount::Two), kCoralBlack);
}

TEST(SnakeSkinColour, GivenSpiralSkin_WhenColoured_ThenGoldFollowsTheHalfStepSpiral) {
    constexpr Rgb gold{255, 210, 70}, pale{230, 230, 230};
    const int n = 60;
    // h = 10, 3h mod 12 = 6: gold where (h + k + e) mod 12 is 4, 5 or 6.
    EXPECT_EQ(skin_colour(1, 10, 8, QuadHalf::First, n, HeadCount::One), gold);
    EXPECT_EQ(skin_colour(1, 10, 6, QuadHalf::First, n, HeadCount::One), gold);
    EXPECT_EQ(skin_colour(1, 10, 5, QuadHalf::First, n, HeadCount::One), pale);
    EXPECT_EQ(skin_colour(1, 10, 9, QuadHalf::First, n, HeadCount::One), pale);
    // Second half: h = 11, 3h mod 12 = 9; e = 2, so k = 8 gives 21 mod 12 = 9.
    EXPECT_EQ(skin_colour(1, 10, 8, QuadHalf::Second, n, HeadCount::One), gold);
    EXPECT_EQ(skin_colour(1, n - 3, 8, QuadHalf::First, n, HeadCount::One), pale);
}

TEST(SnakeSkinColour, GivenBlotchedSkin_WhenColoured_ThenMarksOnTopRowsAndBehindTheHead) {
    constexpr Rgb body{177, 115, 47}, mark{41, 20, 6};
    const int n = 60;
    // a = 16, first half: h = 16, h mod 8 = 0, j = (8 + k) mod 12.
    EXPECT_EQ(skin_colour(2, 16, 6, QuadHalf::First, n, HeadCount::One), mark);
    EXPECT_EQ(skin_colour(2, 16, 8, QuadHalf::First, n, HeadCount::One), body);
    // Second half: h = 17, h mod 8 = 1, j = (8 + k) mod 12: j = 1 is a mark there.
    EXPECT_EQ(skin_colour(2, 16, 5, QuadHalf::Second, n, HeadCount::One), mark);
    // At a = n - 7 only j = 2 (first half) and j = 2, 3 (second half) are marks.
    EXPECT_EQ(skin_colour(2, n - 7, 2 - (n - 7) / 2 + 24, QuadHalf::First, n, HeadCount::One),
              mark);
    EXPECT_EQ(skin_colour(2, n - 7, 3 - (n - 7) / 2 + 24, QuadHalf::First, n, HeadCount::One),
              body);
}

TEST(SnakeSkinColour, GivenGreenSkin_WhenColoured_ThenRowsFollowTheScalePattern) {
    constexpr Rgb green{104, 146, 68}, black{8, 5, 3};
    const int n = 60;
    // h = 20 (mod 4 = 0), j = (10 + k) mod 12: row K G K K G K K G G G G K.
    EXPECT_EQ(skin_colour(6, 20, 2, QuadHalf::First, n, HeadCount::One), black); // j = 0
    EXPECT_EQ(skin_colour(6, 20, 3, QuadHalf::First, n, HeadCount::One), green); // j = 1
    EXPECT_EQ(skin_colour(7, 20, 9, QuadHalf::First, n, HeadCount::One), green); // j = 7
    // h = 23 (mod 4 = 3), j = (11 + k) mod 12: row G K K K G K G G G G G K.
    EXPECT_EQ(skin_colour(6, 22, 1, QuadHalf::Second, n, HeadCount::One), green); // j = 0
    EXPECT_EQ(skin_colour(6, 22, 2, QuadHalf::Second, n, HeadCount::One), black); // j = 1
}

TEST(SnakeSkinColour, GivenEverySkin_WhenEyeColours_ThenTableValues) {
    EXPECT_EQ(eye_colours(0).outer, (Rgb{50, 3, 0}));
    EXPECT_EQ(eye_colours(3).pupil, (Rgb{1, 1, 1}));
    EXPECT_EQ(eye_colours(5).outer, (Rgb{52, 21, 14}));
    EXPECT_EQ(eye_colours(6).outer, eye_colours(7).outer);
    EXPECT_EQ(eye_colours(7).pupil, (Rgb{22, 22, 22}));
}

} // namespace
} // namespace coilwend
