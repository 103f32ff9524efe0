#pragma once
// The glyph cache: which glyphs are rasterised where in the square text
// texture. Glyphs are queued with their scale and sub-pixel position, made
// resident together (new ones are rasterised and handed to an upload
// callback), and then looked up for their texture and screen rectangles.
//
// Nearby requests share an entry: same glyph, scales whose relative
// difference and sub-pixel offsets whose difference are below the
// tolerances, and the same pixel size, so a shared bitmap always lands 1:1 on
// the screen and text stays crisp. Packing is in shelves; the cache never
// evicts, it reports that the queue does not fit and its owner grows it or,
// at the texture's ceiling, draws without what did not fit.

#include "ui/font.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace coilwend {

struct PositionedGlyph {
    std::uint32_t glyph = 0;
    float scale = 0;
    float x = 0, y = 0; // origin in pixels
};

// A rectangle of the cache texture in texels.
struct TexelRect {
    std::uint32_t x = 0, y = 0, width = 0, height = 0;
};

struct TextureRect {
    float u0 = 0, v0 = 0, u1 = 0, v1 = 0;
};

struct GlyphQuad {
    TextureRect uv;
    PixelBox screen;
};
struct NoPixels {};
enum class GlyphCacheError : std::uint8_t { GlyphNotCached, NoRoomForGlyphs };
std::string_view error_name(GlyphCacheError error);

using GlyphLookup = std::variant<GlyphQuad, NoPixels, GlyphCacheError>;

// Receives each new glyph's rectangle and its coverage, row-major, one byte a texel.
using GlyphUpload = std::function<void(const TexelRect&, std::span<const std::uint8_t>)>;

class GlyphCache {
  public:
    GlyphCache(const Font& font, std::uint32_t side, float scale_tolerance,
               float position_tolerance);

    std::uint32_t side() const { return side_; }
    void queue(const PositionedGlyph& glyph) { queued_.push_back(glyph); }
    // Empties the queue either way; on NoRoomForGlyphs every glyph that fitted
    // was placed and the rest were not.
    std::optional<GlyphCacheError> make_resident(const GlyphUpload& upload);
    GlyphLookup lookup(const PositionedGlyph& glyph) const;

  private:
    struct Entry {
        float scale;
        float shift_x, shift_y;
        int width, height;
        TexelRect texels;
    };
    const Entry* find(const PositionedGlyph& glyph, float shift_x, float shift_y,
                      const PixelBox& box) const;
    bool place(int width, int height, TexelRect& out);

    const Font* font_;
    std::uint32_t side_;
    float scale_tolerance_;
    float position_tolerance_;
    std::vector<PositionedGlyph> queued_;
    std::unordered_map<std::uint32_t, std::vector<Entry>> entries_; // by glyph id
    std::vector<std::uint8_t> coverage_;                            // rasterising scratch
    // Shelf packing: the current shelf's top, height and fill.
    std::uint32_t shelf_top_ = 0, shelf_height_ = 0, shelf_fill_ = 0;
};

} // namespace coilwend
