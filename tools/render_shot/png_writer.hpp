#pragma once
// Writes an opaque 8-bit RGB image as a PNG file.

#include <cstdint>
#include <span>
#include <string>

namespace render_shot {

// Rows top to bottom, three bytes per pixel. Returns an error text, empty on success.
std::string write_rgb_png(const std::string& path, std::uint32_t width, std::uint32_t height,
                          std::span<const std::uint8_t> pixels);

} // namespace render_shot
