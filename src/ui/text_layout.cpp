#include "ui/text_layout.hpp"

#include <algorithm>
#include <climits>
#include <cmath>

namespace coilwend {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Decodes one code point and advances `at`; malformed input yields the
// replacement character and skips one byte.
char32_t next_code_point(std::string_view text, std::size_t& at) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    int extra = 0;
    char32_t value = 0;
    if (lead < 0x80) {
        ++at;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        value = lead & 0x07;
    } else {
        ++at;
        return kReplacement;
    }
    if (at + static_cast<std::size_t>(extra) >= text.size()) {
        ++at;
        return kReplacement;
    }
    for (int i = 1; i <= extra; ++i) {
        const unsigned char c = byte(at + static_cast<std::size_t>(i));
        if ((c & 0xC0) != 0x80) {
            ++at;
            return kReplacement;
        }
        value = (value << 6) | (c & 0x3F);
    }
    at += static_cast<std::size_t>(extra) + 1;
    return value;
}

} // namespace

GlyphOrigin glyph_origin(float x, float y) {
    const float whole_x = std::floor(x);
    const float whole_y = std::floor(y);
    return {whole_x, whole_y, x - whole_x, y - whole_y};
}

int lay_out_line(const Font& font, std::string_view text, std::uint32_t size, float left, float top,
                 std::vector<PlacedGlyph>& out) {
    const float scale = font.scale_for_size(static_cast<float>(size));
    const float baseline = top + static_cast<float>(size) + font.descent(scale);
    float pen = left;
    std::uint32_t previous = 0;
    int min_x = INT_MAX;
    int max_x = INT_MIN;
    for (std::size_t at = 0; at < text.size();) {
        const std::uint32_t glyph = font.glyph_index(next_code_point(text, at));
        if (previous != 0)
            pen += font.kerning(previous, glyph, scale);
        const GlyphOrigin origin = glyph_origin(pen, baseline);
        PixelBox bounds = font.box(glyph, scale, origin.shift_x, origin.shift_y);
        const int ox = static_cast<int>(origin.whole_x);
        const int oy = static_cast<int>(origin.whole_y);
        bounds = {bounds.x0 + ox, bounds.y0 + oy, bounds.x1 + ox, bounds.y1 + oy};
        if (!bounds.empty()) {
            min_x = std::min(min_x, bounds.x0);
            max_x = std::max(max_x, bounds.x1);
        }
        out.push_back({glyph, scale, pen, baseline, bounds});
        pen += font.advance(glyph, scale);
        previous = glyph;
    }
    return min_x > max_x ? 0 : max_x - min_x;
}

int text_width(const Font& font, std::string_view text, std::uint32_t size) {
    // Captions are short; a small reused buffer keeps hit-testing free of allocations.
    thread_local std::vector<PlacedGlyph> scratch;
    scratch.clear();
    return lay_out_line(font, text, size, 0.0f, 0.0f, scratch);
}

} // namespace coilwend
