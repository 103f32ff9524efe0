#pragma once
// Decoding the embedded PNG images. The game only ships 8-bit RGBA images, so
// any other layout is reported as an error instead of being converted.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace coilwend {

struct RgbaImage {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
    std::vector<std::uint8_t> pixels; // rows top to bottom, 4 bytes per pixel: R, G, B, A
};

struct PngDecodeResult {
    RgbaImage image;
    std::string error; // empty on success
    bool ok() const { return error.empty(); }
};

PngDecodeResult decode_rgba_png(std::span<const unsigned char> bytes);

} // namespace coilwend
