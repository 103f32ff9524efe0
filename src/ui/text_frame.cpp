#include "ui/text_frame.hpp"

#include "game/log.hpp"
#include "ui/quad.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace coilwend {
namespace {

constexpr float kDrawableShare = 0.9f; // widest text, as a share of the drawable
constexpr float kPressedShade = 0.7f;  // a held text button's caption
constexpr int kShadowOffset = 2;       // pixels right and down
constexpr float kShadowOpacity = 0.5f; // of the text's own alpha
// Words over the map also get a dark ring around every stroke, so they read
// on pale sand as well as on grey concrete; its width grows with the text.
constexpr float kHaloShare = 0.035f; // of the text size, at least a pixel
constexpr float kHaloOpacity = 0.45f;
constexpr std::array<std::array<int, 2>, 8> kHaloDirections{
    {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}};

void push_glyph(std::vector<GlyphVertex>& mesh, const PixelBox& screen, int dx, int dy,
                const TextureRect& uv, const Rgba& c) {
    push_quad(mesh, static_cast<float>(screen.x0 + dx), static_cast<float>(screen.y0 + dy),
              static_cast<float>(screen.x1 + dx), static_cast<float>(screen.y1 + dy), uv,
              {c.r, c.g, c.b, c.a});
}

} // namespace

TextFrame::TextFrame(const Font& font, std::uint32_t cache_ceiling)
    : font_(&font), cache_ceiling_(cache_ceiling),
      cache_(font, first_cache_side(cache_ceiling), kFirstCacheTolerance, kFirstCacheTolerance) {}

std::span<const GlyphVertex> TextFrame::build(const TextQueue& queue, std::uint32_t drawable_width,
                                              std::optional<std::uint64_t> dimmed_text,
                                              GlyphTexture& texture) {
    lay_out(queue, drawable_width, dimmed_text);
    cache_glyphs(texture);
    build_mesh();
    return mesh_;
}

void TextFrame::start_over(GlyphTexture& texture) {
    const std::uint32_t first = first_cache_side(cache_ceiling_);
    if (cache_.side() == first)
        return;
    texture.resize(first);
    cache_ = GlyphCache(*font_, first, kFirstCacheTolerance, kFirstCacheTolerance);
}

void TextFrame::lay_out(const TextQueue& queue, std::uint32_t drawable_width,
                        std::optional<std::uint64_t> dimmed_text) {
    glyphs_.clear();
    placements_.clear();
    const int limit = static_cast<int>(kDrawableShare * static_cast<float>(drawable_width));
    for (const TextItem& item : queue.items()) {
        const std::string_view text = queue.text(item);
        Placement placement;
        placement.first = glyphs_.size();
        const float x = static_cast<float>(item.x);
        const float y = static_cast<float>(item.y);
        int width = lay_out_line(*font_, text, item.size, x, y, glyphs_);
        if (width > limit) {
            // Shrunk once to fit, keeping the top of the text box in place.
            const auto size = static_cast<std::uint32_t>(static_cast<std::uint64_t>(item.size) *
                                                         static_cast<std::uint64_t>(limit) /
                                                         static_cast<std::uint64_t>(width));
            glyphs_.resize(placement.first);
            width = lay_out_line(*font_, text, size, x, y, glyphs_);
        }
        placement.count = glyphs_.size() - placement.first;
        placement.offset = item.left_aligned ? 0 : -(width / 2);
        placement.colour = item.colour;
        placement.shadow = item.shadow;
        placement.halo = std::max(1, static_cast<int>(kHaloShare * static_cast<float>(item.size)));
        if (dimmed_text && item.button != 0 && *dimmed_text == item.button) {
            placement.colour.r *= kPressedShade;
            placement.colour.g *= kPressedShade;
            placement.colour.b *= kPressedShade;
        }
        placements_.push_back(placement);
    }
}

void TextFrame::cache_glyphs(GlyphTexture& texture) {
    const GlyphUpload upload = [&texture](const TexelRect& rect,
                                          std::span<const std::uint8_t> coverage) {
        texture.write(rect, coverage);
    };
    for (;;) {
        for (const PlacedGlyph& glyph : glyphs_)
            cache_.queue({glyph.glyph, glyph.scale, glyph.x, glyph.y});
        // At the ceiling what did not fit stays out; build_mesh counts it.
        if (!cache_.make_resident(upload) || cache_.side() >= cache_ceiling_)
            return;
        const std::uint32_t side = static_cast<std::uint32_t>(
            std::min<std::uint64_t>(cache_.side() * 2ull, cache_ceiling_));
        log_line("Growing font cache -> " + std::to_string(side));
        texture.resize(side);
        cache_ = GlyphCache(*font_, side, kGrownCacheTolerance, kGrownCacheTolerance);
    }
}

void TextFrame::build_mesh() {
    mesh_.clear();
    std::size_t skipped = 0;
    for (const Placement& placement : placements_) {
        // The whole line's halo goes under all its letters, not one letter's
        // halo over its neighbour.
        if (placement.shadow) {
            const Rgba dark{0, 0, 0, kHaloOpacity * placement.colour.a};
            const Rgba drop{0, 0, 0, kShadowOpacity * placement.colour.a};
            for (std::size_t i = placement.first; i < placement.first + placement.count; ++i) {
                const PlacedGlyph& glyph = glyphs_[i];
                const GlyphLookup found =
                    cache_.lookup({glyph.glyph, glyph.scale, glyph.x, glyph.y});
                const auto* quad = std::get_if<GlyphQuad>(&found);
                if (quad == nullptr)
                    continue;
                push_glyph(mesh_, quad->screen, placement.offset + kShadowOffset, kShadowOffset,
                           quad->uv, drop);
                for (const auto& [dx, dy] : kHaloDirections)
                    push_glyph(mesh_, quad->screen, placement.offset + dx * placement.halo,
                               dy * placement.halo, quad->uv, dark);
            }
        }
        for (std::size_t i = placement.first; i < placement.first + placement.count; ++i) {
            const PlacedGlyph& glyph = glyphs_[i];
            const GlyphLookup found = cache_.lookup({glyph.glyph, glyph.scale, glyph.x, glyph.y});
            if (const auto* error = std::get_if<GlyphCacheError>(&found)) {
                if (cache_.side() >= cache_ceiling_)
                    ++skipped;
                else
                    log_line("Couldn't get glyph coords: " + std::string(error_name(*error)));
                continue;
            }
            const auto* quad = std::get_if<GlyphQuad>(&found);
            if (quad == nullptr)
                continue;
            push_glyph(mesh_, quad->screen, placement.offset, 0, quad->uv, placement.colour);
        }
    }
    // Once a frame at most, and only when it changes, so a screen that stays
    // over the limit does not fill the log.
    if (skipped != 0 && skipped != skipped_)
        log_line("Font cache full, glyphs skipped: " + std::to_string(skipped));
    skipped_ = skipped;
}

} // namespace coilwend
