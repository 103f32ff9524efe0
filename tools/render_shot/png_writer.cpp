#include "png_writer.hpp"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace render_shot {
namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

} // namespace

std::string write_rgb_png(const std::string& path, std::uint32_t width, std::uint32_t height,
                          std::span<const std::uint8_t> pixels) {
    if (pixels.size() != std::size_t{width} * height * 3)
        return "pixel buffer does not match the image size";
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file)
        return "cannot open " + path + " for writing";

    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (png == nullptr)
        return "libpng could not start";
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return "libpng could not start";
    }
    std::vector<png_const_bytep> rows(height);
    for (std::uint32_t y = 0; y < height; ++y)
        rows[y] = pixels.data() + std::size_t{y} * width * 3;
    // libpng reports its errors by jumping back here.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        return "libpng failed writing " + path;
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, const_cast<png_bytepp>(rows.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return {};
}

} // namespace render_shot
