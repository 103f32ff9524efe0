#pragma once
// The icon atlas: the embedded icons packed into one 2048 × 1024 RGBA image,
// eight 256-pixel cells to a row and four rows, with premultiplied alpha (the
// icon pass blends with source factor one). Four rows hold the icons with
// room to spare at half the memory of a square; both sides stay powers of two
// so every mipmap level the icons are sampled at holds the same texels as in
// a square atlas. Building the pixels and the icon mesh needs no GL.

#include "graphics/mip_chain.hpp"
#include "graphics/png_image.hpp"
#include "ui/glyph_cache.hpp"
#include "ui/ui_context.hpp"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

inline constexpr std::uint32_t kAtlasWidth = 2048;
inline constexpr std::uint32_t kAtlasHeight = 1024;
inline constexpr std::uint32_t kAtlasCell = 256;
inline constexpr std::uint32_t kAtlasColumns = kAtlasWidth / kAtlasCell;
inline constexpr std::uint32_t kAtlasRows = kAtlasHeight / kAtlasCell;
inline constexpr std::size_t kIconCount = 22;
static_assert(kIconCount <= kAtlasColumns * kAtlasRows);

struct IconAtlas {
    std::vector<std::uint8_t> pixels; // kAtlasWidth × kAtlasHeight RGBA, rows from the top
    MipChain mipmaps;                 // levels 1 onwards, made with the pixels
    std::array<TextureRect, kIconCount> uv{};
};

// Icon i goes to column i mod 8, row i div 8, at the cell's top-left corner.
// Icons larger than a cell or more than fit are internal errors (fatal).
IconAtlas build_icon_atlas(std::span<const RgbaImage> icons);

// The embedded icons, decoded; one that is not 8-bit RGBA is fatal.
std::vector<RgbaImage> decode_embedded_icons();

// An icon mesh vertex: pixels, texture coordinate, colour with alpha fixed at 1.
struct IconVertex {
    float x, y;
    float u, v;
    float r, g, b, a;
};
static_assert(sizeof(IconVertex) == 32);

// Two triangles per queued icon, in queue order; a pressed icon is drawn
// darker and a disabled one darker still.
void build_icon_mesh(std::span<const IconQueueEntry> queue,
                     const std::array<TextureRect, kIconCount>& uv, const UiContext& context,
                     std::vector<IconVertex>& out);

} // namespace coilwend
