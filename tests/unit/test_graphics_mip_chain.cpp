// The CPU-made mipmap chain: its sizes, and the software rasteriser's
// rounding (half up across, then half up down), which a plain rounded
// average of four would miss.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

#include "graphics/mip_chain.hpp"

namespace coilwend {
namespace {

TEST(MipChain, GivenAnImage_ThenEachLevelHalvesDownToOneTexelAndRoundsHalfUpTwice) {
    // 1 0 / 0 0: across gives 1 and 0, down gives 1; a rounded mean of the
    // four (0.25) would give 0.
    const std::vector<std::uint8_t> corner{1, 0, 0, 0};
    EXPECT_EQ(build_mip_chain(corner, 2, 2, 1).pixels, std::vector<std::uint8_t>{1});
    // 0 255 / 0 0 in one channel and 254 255 / 255 255 in another.
    const std::vector<std::uint8_t> two_channels{0, 254, 255, 255, 0, 255, 0, 255};
    EXPECT_EQ(build_mip_chain(two_channels, 2, 2, 2).pixels, (std::vector<std::uint8_t>{64, 255}));

    std::mt19937 random(7);
    std::vector<std::uint8_t> image(32 * 4 * 3);
    for (std::uint8_t& value : image)
        value = static_cast<std::uint8_t>(random());
    const MipChain chain = build_mip_chain(image, 32, 4, 3);
    const std::vector<MipLevel>& levels = chain.levels;
    ASSERT_EQ(levels.size(), 5u);
    EXPECT_EQ(levels[1].width, 8u);
    EXPECT_EQ(levels[1].height, 1u);
    EXPECT_EQ(levels[4].width, 1u);
    EXPECT_EQ(levels[4].height, 1u);
    // Once the height is 1 a level halves across only.
    EXPECT_EQ(chain.pixels.size(), (16 * 2 + 8 + 4 + 2 + 1) * 3u);
    const auto tall = chain.level_pixels(levels[1]);
    const auto flat = chain.level_pixels(levels[2]);
    for (std::uint32_t x = 0; x < levels[2].width; ++x)
        for (std::uint32_t c = 0; c < 3; ++c) {
            const unsigned a = tall[(2 * x) * 3 + c];
            const unsigned b = tall[(2 * x + 1) * 3 + c];
            EXPECT_EQ(flat[x * 3 + c], (((a + b + 1) / 2) * 2 + 1) / 2);
        }
}

TEST(MipChain, GivenASideThatIsNoPowerOfTwo_ThenItIsAnInternalError) {
    const std::vector<std::uint8_t> image(3 * 2, 0);
    EXPECT_DEATH(build_mip_chain(image, 3, 2, 1), "internal error");
}

} // namespace
} // namespace coilwend
