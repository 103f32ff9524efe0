#pragma once
// A texture's mipmap levels made on the CPU. Asking the driver to make them
// renders every level through a blit; under a software rasteriser that was
// the slowest step of start-up, while this runs on the thread that decodes
// the images. Each texel averages its 2 × 2 parent as software GL does it —
// halved with rounding up across, then down — so the levels it makes are the
// very ones the driver made.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

struct MipLevel {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::size_t offset = 0; // into the chain's pixels
};

// All levels in one block: small blocks of their own would be left in the
// decoding thread's malloc arena when freed, and stay resident.
struct MipChain {
    std::vector<MipLevel> levels;     // level 1 onwards
    std::vector<std::uint8_t> pixels; // each level width × height × channels, rows in order
    std::uint32_t channels = 0;

    std::span<const std::uint8_t> level_pixels(const MipLevel& level) const {
        return std::span(pixels).subspan(level.offset,
                                         std::size_t{level.width} * level.height * channels);
    }
};

// Levels 1 onwards down to 1 × 1, for an image of `channels` bytes per
// texel whose sides are powers of two (else an internal error). A side that
// has reached 1 stays 1 while the other halves.
MipChain build_mip_chain(std::span<const std::uint8_t> pixels, std::uint32_t width,
                         std::uint32_t height, std::uint32_t channels);

} // namespace coilwend
