#include "graphics/png_image.hpp"

#include <png.h>

namespace coilwend {

PngDecodeResult decode_rgba_png(std::span<const unsigned char> bytes) {
    PngDecodeResult result;
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&png, bytes.data(), bytes.size()) == 0) {
        result.error = std::string("Couldn't read PNG: ") + png.message;
        return result;
    }
    // The format libpng reports before any conversion is the file's own:
    // 16-bit, grey, palette and alpha-less images all differ from plain RGBA.
    if (png.format != PNG_FORMAT_RGBA) {
        png_image_free(&png);
        result.error = "PNG image is not 8-bit RGBA";
        return result;
    }
    result.image.width = png.width;
    result.image.height = png.height;
    result.image.pixels.resize(PNG_IMAGE_SIZE(png));
    if (png_image_finish_read(&png, nullptr, result.image.pixels.data(), 0, nullptr) == 0) {
        result.error = std::string("Couldn't decode PNG: ") + png.message;
        result.image = {};
    }
    png_image_free(&png);
    return result;
}

} // namespace coilwend
