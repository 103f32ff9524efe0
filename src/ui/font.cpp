#include "ui/font.hpp"

#define STB_TRUETYPE_IMPLEMENTATION
#define STBTT_STATIC
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#include <stb_truetype.h>
#pragma GCC diagnostic pop

extern const unsigned char coilwend_font_ttf[];
extern const std::size_t coilwend_font_ttf_size;

namespace coilwend {

struct Font::Info {
    stbtt_fontinfo font;
    int descent_units = 0;
};

std::optional<Font> Font::load(std::span<const unsigned char> ttf) {
    const int offset = stbtt_GetFontOffsetForIndex(ttf.data(), 0);
    if (ttf.empty() || offset < 0)
        return std::nullopt;
    auto info = std::make_unique<Info>();
    if (stbtt_InitFont(&info->font, ttf.data(), offset) == 0)
        return std::nullopt;
    int ascent = 0, line_gap = 0;
    stbtt_GetFontVMetrics(&info->font, &ascent, &info->descent_units, &line_gap);
    return Font(std::move(info));
}

Font::Font(std::unique_ptr<Info> info) : info_(std::move(info)) {}
Font::Font(Font&&) noexcept = default;
Font& Font::operator=(Font&&) noexcept = default;
Font::~Font() = default;

float Font::scale_for_size(float pixel_height) const {
    return stbtt_ScaleForPixelHeight(&info_->font, pixel_height);
}

float Font::descent(float scale) const {
    return static_cast<float>(info_->descent_units) * scale;
}

std::uint32_t Font::glyph_index(char32_t codepoint) const {
    return static_cast<std::uint32_t>(
        stbtt_FindGlyphIndex(&info_->font, static_cast<int>(codepoint)));
}

float Font::advance(std::uint32_t glyph, float scale) const {
    int advance = 0, left_bearing = 0;
    stbtt_GetGlyphHMetrics(&info_->font, static_cast<int>(glyph), &advance, &left_bearing);
    return static_cast<float>(advance) * scale;
}

float Font::kerning(std::uint32_t left, std::uint32_t right, float scale) const {
    return static_cast<float>(stbtt_GetGlyphKernAdvance(&info_->font, static_cast<int>(left),
                                                        static_cast<int>(right))) *
           scale;
}

PixelBox Font::box(std::uint32_t glyph, float scale, float shift_x, float shift_y) const {
    PixelBox box;
    stbtt_GetGlyphBitmapBoxSubpixel(&info_->font, static_cast<int>(glyph), scale, scale, shift_x,
                                    shift_y, &box.x0, &box.y0, &box.x1, &box.y1);
    return box;
}

void Font::rasterise(std::uint32_t glyph, float scale, float shift_x, float shift_y,
                     const PixelBox& box, std::uint8_t* out) const {
    stbtt_MakeGlyphBitmapSubpixel(&info_->font, out, box.width(), box.height(), box.width(), scale,
                                  scale, shift_x, shift_y, static_cast<int>(glyph));
}

std::span<const unsigned char> embedded_font_ttf() {
    return {coilwend_font_ttf, coilwend_font_ttf_size};
}

} // namespace coilwend
