#pragma once
// Writes 8-bit RGB pixels to a PNG file with libpng.

#include <cstdint>
#include <string>
#include <vector>

namespace coilwend::preview {

// False (with a message on standard error) when the file cannot be written.
bool write_png(const std::string& path, int width, int height,
               const std::vector<std::uint8_t>& rgb);

} // namespace coilwend::preview
