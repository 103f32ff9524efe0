#pragma once
// Lays one line of text out with the font: each glyph keeps its sub-pixel
// position (so the cache can rasterise it exactly where it lands) and its
// whole-pixel bounds (for widths and quads).

#include "ui/font.hpp"

#include <cstdint>
#include <string_view>
#include <vector>

namespace coilwend {

// One glyph of laid-out text: where its origin lies, at which scale, and the
// pixels it covers there (empty for blanks).
struct PlacedGlyph {
    std::uint32_t glyph = 0;
    float scale = 0;
    float x = 0, y = 0; // origin on the baseline, in pixels
    PixelBox bounds;    // absolute pixel bounds
};

// Appends the glyphs of `text` at pixel height `size` with the top of the
// text box at `top` and the pen starting at `left`; returns the width from
// the leftmost to the rightmost pixel (0 without visible glyphs). Invalid
// UTF-8 shows as the replacement character.
int lay_out_line(const Font& font, std::string_view text, std::uint32_t size, float left, float top,
                 std::vector<PlacedGlyph>& out);

// The laid-out width of a caption, as text buttons hit-test it.
int text_width(const Font& font, std::string_view text, std::uint32_t size);

// Whole pixels of `glyph`'s origin and the fraction past them.
struct GlyphOrigin {
    float whole_x, whole_y;
    float shift_x, shift_y;
};
GlyphOrigin glyph_origin(float x, float y);

} // namespace coilwend
