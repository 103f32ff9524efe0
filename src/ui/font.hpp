#pragma once
// The game's TrueType font: metrics, glyph boxes and rasterised coverage at
// any pixel height and sub-pixel position. Parsing and rasterising are done by
// stb_truetype; everything above it (layout, caching) is our own.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace coilwend {

// Integer pixel bounds; x1 and y1 are exclusive.
struct PixelBox {
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
    bool empty() const { return x1 <= x0 || y1 <= y0; }
};

class Font {
  public:
    // The first font of a TrueType file; nothing when it cannot be parsed.
    // The bytes must outlive the font (they are the embedded asset).
    static std::optional<Font> load(std::span<const unsigned char> ttf);

    Font(Font&&) noexcept;
    Font& operator=(Font&&) noexcept;
    ~Font();

    // The scale that makes ascender-to-descender span `pixel_height` pixels.
    float scale_for_size(float pixel_height) const;
    // Descent below the baseline in pixels at this scale (negative).
    float descent(float scale) const;
    std::uint32_t glyph_index(char32_t codepoint) const;
    float advance(std::uint32_t glyph, float scale) const;
    float kerning(std::uint32_t left, std::uint32_t right, float scale) const;
    // Bounds of the glyph's pixels relative to its whole-pixel origin, when
    // the origin sits (shift_x, shift_y) pixels past that whole pixel.
    PixelBox box(std::uint32_t glyph, float scale, float shift_x, float shift_y) const;
    // Coverage of exactly box(...) into `out`, row-major with the box's width.
    void rasterise(std::uint32_t glyph, float scale, float shift_x, float shift_y,
                   const PixelBox& box, std::uint8_t* out) const;

  private:
    struct Info;
    explicit Font(std::unique_ptr<Info> info);
    std::unique_ptr<Info> info_;
};

// The font compiled into the program.
std::span<const unsigned char> embedded_font_ttf();

} // namespace coilwend
