#include "graphics/mip_chain.hpp"

#include "game/log.hpp"

namespace coilwend {
namespace {

unsigned half_up(unsigned a, unsigned b) {
    return (a + b + 1) / 2;
}

MipLevel half_of(const MipLevel& parent) {
    return {parent.width > 1 ? parent.width / 2 : 1, parent.height > 1 ? parent.height / 2 : 1, 0};
}

void halve(const std::uint8_t* parent, const MipLevel& from, std::uint8_t* out, const MipLevel& to,
           std::uint32_t channels) {
    const std::size_t right = from.width > 1 ? channels : 0;
    const std::size_t below = from.height > 1 ? std::size_t{from.width} * channels : 0;
    for (std::uint32_t y = 0; y < to.height; ++y) {
        const std::uint8_t* row = parent + std::size_t{y} * 2 * from.width * channels;
        for (std::uint32_t x = 0; x < to.width; ++x) {
            const std::uint8_t* texel = row + std::size_t{x} * 2 * channels;
            for (std::uint32_t c = 0; c < channels; ++c, ++texel)
                *out++ = static_cast<std::uint8_t>(half_up(
                    half_up(texel[0], texel[right]), half_up(texel[below], texel[below + right])));
        }
    }
}

} // namespace

MipChain build_mip_chain(std::span<const std::uint8_t> pixels, std::uint32_t width,
                         std::uint32_t height, std::uint32_t channels) {
    const auto power_of_two = [](std::uint32_t side) {
        return side != 0 && (side & (side - 1)) == 0;
    };
    if (!power_of_two(width) || !power_of_two(height) ||
        pixels.size() != std::size_t{width} * height * channels)
        fatal("internal error: a mipmap's image is not a power of two or does not match its size");
    MipChain chain;
    chain.channels = channels;
    std::size_t size = 0;
    for (MipLevel level{width, height, 0}; level.width > 1 || level.height > 1;) {
        level = half_of(level);
        level.offset = size;
        size += std::size_t{level.width} * level.height * channels;
        chain.levels.push_back(level);
    }
    chain.pixels.resize(size);
    const std::uint8_t* parent = pixels.data();
    MipLevel from{width, height, 0};
    for (const MipLevel& level : chain.levels) {
        halve(parent, from, chain.pixels.data() + level.offset, level, channels);
        parent = chain.pixels.data() + level.offset;
        from = level;
    }
    return chain;
}

} // namespace coilwend
