#pragma once
// One frame of text without GL: lays every queued item out, fits it to the
// drawable, makes its glyphs resident (growing the cache when they do not fit,
// up to the largest texture the GL allows) and builds the mesh. The texture it writes to is an
// interface, so the GL texture and a test's byte array serve alike.

#include "ui/glyph_cache.hpp"
#include "ui/text_layout.hpp"
#include "ui/text_queue.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace coilwend {

// A text mesh vertex: pixels from the top-left corner, texture coordinate, colour.
struct GlyphVertex {
    float x, y;
    float u, v;
    float r, g, b, a;
};
static_assert(sizeof(GlyphVertex) == 32);

// The single-channel texture behind the glyph cache.
class GlyphTexture {
  public:
    virtual ~GlyphTexture() = default;
    // Re-specifies the texture as side × side zeros.
    virtual void resize(std::uint32_t side) = 0;
    virtual void write(const TexelRect& rect, std::span<const std::uint8_t> coverage) = 0;
};

inline constexpr std::uint32_t kFirstCacheSide = 512;
inline constexpr std::uint32_t kNoCacheCeiling = UINT32_MAX;
inline constexpr float kFirstCacheTolerance = 1.0f;
inline constexpr float kGrownCacheTolerance = 0.1f;

// The side the cache texture starts at under a ceiling.
constexpr std::uint32_t first_cache_side(std::uint32_t ceiling) {
    return ceiling < kFirstCacheSide ? ceiling : kFirstCacheSide;
}

class TextFrame {
  public:
    // `cache_ceiling`: the largest side the cache texture may grow to.
    explicit TextFrame(const Font& font, std::uint32_t cache_ceiling = kNoCacheCeiling);

    // `dimmed_text` is the identity of a held text button, if any: that
    // button's caption is drawn darker. Logs each growth of the cache, and
    // glyphs left undrawn once it is at its ceiling (when their count changes).
    std::span<const GlyphVertex> build(const TextQueue& queue, std::uint32_t drawable_width,
                                       std::optional<std::uint64_t> dimmed_text,
                                       GlyphTexture& texture);

    // A grown cache keeps every size shown since it grew, and a new window
    // size brings new sizes, so after a resize it starts over at its first
    // side and grows again only as far as the text at the new size needs.
    // A cache still at its first side is kept as it is.
    void start_over(GlyphTexture& texture);

    const GlyphCache& cache() const { return cache_; }

  private:
    struct Placement {
        std::size_t first = 0, count = 0; // into glyphs_
        int offset = 0;                   // added to every quad's x
        Rgba colour;
        bool shadow = false;
        int halo = 1; // pixels, for shadowed text
    };
    void lay_out(const TextQueue& queue, std::uint32_t drawable_width,
                 std::optional<std::uint64_t> dimmed_text);
    void cache_glyphs(GlyphTexture& texture);
    void build_mesh();

    const Font* font_;
    std::uint32_t cache_ceiling_;
    GlyphCache cache_;
    std::size_t skipped_ = 0; // glyphs the full cache left out of the last frame
    std::vector<PlacedGlyph> glyphs_;
    std::vector<Placement> placements_;
    std::vector<GlyphVertex> mesh_;
};

} // namespace coilwend
