#include "graphics/mip_chain.hpp"

#include "game/log.hpp"

namespace coilwend {
namespace {

unsigned half_up(unsigned a, unsigned b) {
    return (a + b + 1) / 2;
}

MipLevel halve(std::span<const std::uint8_t> parent, std::uint32_t width, std::uint32_t height,
               std::uint32_t channels) {
    MipLevel level;
    level.width = width > 1 ? width / 2 : 1;
    level.height = height > 1 ? height / 2 : 1;
    level.pixels.resize(std::size_t{level.width} * level.height * channels);
    const std::size_t right = width > 1 ? channels : 0;
    const std::size_t below = height > 1 ? std::size_t{width} * channels : 0;
    std::uint8_t* out = level.pixels.data();
    for (std::uint32_t y = 0; y < level.height; ++y) {
        const std::uint8_t* row = parent.data() + std::size_t{y} * 2 * width * channels;
        for (std::uint32_t x = 0; x < level.width; ++x) {
            const std::uint8_t* texel = row + std::size_t{x} * 2 * channels;
            for (std::uint32_t c = 0; c < channels; ++c, ++texel)
                *out++ = static_cast<std::uint8_t>(half_up(
                    half_up(texel[0], texel[right]), half_up(texel[below], texel[below + right])));
        }
    }
    return level;
}

} // namespace

std::vector<MipLevel> build_mip_chain(std::span<const std::uint8_t> pixels, std::uint32_t width,
                                      std::uint32_t height, std::uint32_t channels) {
    const auto power_of_two = [](std::uint32_t side) {
        return side != 0 && (side & (side - 1)) == 0;
    };
    if (!power_of_two(width) || !power_of_two(height) ||
        pixels.size() != std::size_t{width} * height * channels)
        fatal("internal error: a mipmap's image is not a power of two or does not match its size");
    std::vector<MipLevel> levels;
    levels.reserve(32); // each level's span below stays on its parent's pixels
    std::span<const std::uint8_t> parent = pixels;
    while (width > 1 || height > 1) {
        levels.push_back(halve(parent, width, height, channels));
        width = levels.back().width;
        height = levels.back().height;
        parent = levels.back().pixels;
    }
    return levels;
}

} // namespace coilwend
