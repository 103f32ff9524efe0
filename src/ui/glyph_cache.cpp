#include "ui/glyph_cache.hpp"

#include "ui/text_layout.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend {
namespace {

// Empty texels between glyphs, so filtering never reads a neighbour.
constexpr std::uint32_t kGap = 1;

} // namespace

std::string_view error_name(GlyphCacheError error) {
    switch (error) {
    case GlyphCacheError::GlyphNotCached:
        return "GlyphNotCached";
    case GlyphCacheError::NoRoomForGlyphs:
        return "NoRoomForGlyphs";
    }
    return "Unknown";
}

GlyphCache::GlyphCache(const Font& font, std::uint32_t side, float scale_tolerance,
                       float position_tolerance)
    : font_(&font), side_(side), scale_tolerance_(scale_tolerance),
      position_tolerance_(position_tolerance) {}

const GlyphCache::Entry* GlyphCache::find(const PositionedGlyph& glyph, float shift_x,
                                          float shift_y, const PixelBox& box) const {
    const auto found = entries_.find(glyph.glyph);
    if (found == entries_.end())
        return nullptr;
    for (const Entry& entry : found->second) {
        const float relative =
            std::abs(entry.scale - glyph.scale) / std::max(entry.scale, glyph.scale);
        if (relative < scale_tolerance_ &&
            std::abs(entry.shift_x - shift_x) < position_tolerance_ &&
            std::abs(entry.shift_y - shift_y) < position_tolerance_ && entry.width == box.width() &&
            entry.height == box.height())
            return &entry;
    }
    return nullptr;
}

bool GlyphCache::place(int width, int height, TexelRect& out) {
    const auto w = static_cast<std::uint32_t>(width);
    const auto h = static_cast<std::uint32_t>(height);
    if (w > side_)
        return false;
    // A glyph that does not fit leaves the current shelf open for smaller ones.
    std::uint32_t top = shelf_top_, shelf = shelf_height_, fill = shelf_fill_;
    if (fill + w > side_) {
        top += shelf + kGap;
        shelf = 0;
        fill = 0;
    }
    if (top + h > side_)
        return false;
    out = {fill, top, w, h};
    shelf_top_ = top;
    shelf_fill_ = fill + w + kGap;
    shelf_height_ = std::max(shelf, h);
    return true;
}

std::optional<GlyphCacheError> GlyphCache::make_resident(const GlyphUpload& upload) {
    // Larger sizes first packs the shelves tighter.
    std::sort(queued_.begin(), queued_.end(),
              [](const PositionedGlyph& a, const PositionedGlyph& b) { return a.scale > b.scale; });
    std::optional<GlyphCacheError> result;
    for (const PositionedGlyph& glyph : queued_) {
        const GlyphOrigin origin = glyph_origin(glyph.x, glyph.y);
        const PixelBox box = font_->box(glyph.glyph, glyph.scale, origin.shift_x, origin.shift_y);
        if (box.empty() || find(glyph, origin.shift_x, origin.shift_y, box) != nullptr)
            continue;
        TexelRect texels;
        if (!place(box.width(), box.height(), texels)) {
            result = GlyphCacheError::NoRoomForGlyphs;
            continue;
        }
        coverage_.resize(static_cast<std::size_t>(box.width()) * box.height());
        font_->rasterise(glyph.glyph, glyph.scale, origin.shift_x, origin.shift_y, box,
                         coverage_.data());
        upload(texels, coverage_);
        entries_[glyph.glyph].push_back(
            {glyph.scale, origin.shift_x, origin.shift_y, box.width(), box.height(), texels});
    }
    queued_.clear();
    return result;
}

GlyphLookup GlyphCache::lookup(const PositionedGlyph& glyph) const {
    const GlyphOrigin origin = glyph_origin(glyph.x, glyph.y);
    const PixelBox box = font_->box(glyph.glyph, glyph.scale, origin.shift_x, origin.shift_y);
    if (box.empty())
        return NoPixels{};
    const Entry* entry = find(glyph, origin.shift_x, origin.shift_y, box);
    if (entry == nullptr)
        return GlyphCacheError::GlyphNotCached;
    const float side = static_cast<float>(side_);
    const TexelRect& t = entry->texels;
    GlyphQuad quad;
    quad.uv = {static_cast<float>(t.x) / side, static_cast<float>(t.y) / side,
               static_cast<float>(t.x + t.width) / side, static_cast<float>(t.y + t.height) / side};
    const int ox = static_cast<int>(origin.whole_x);
    const int oy = static_cast<int>(origin.whole_y);
    quad.screen = {box.x0 + ox, box.y0 + oy, box.x1 + ox, box.y1 + oy};
    return quad;
}

} // namespace coilwend
