#include "ui/icon_atlas.hpp"

#include "game/log.hpp"
#include "ui/quad.hpp"

#include <algorithm>
#include <string>
#include <utility>

namespace coilwend {
namespace {

constexpr float kPressedShade = 0.7f;
constexpr float kDisabledShade = 0.5f;

} // namespace
} // namespace coilwend

#define COILWEND_ICON(n)                                                                           \
    extern const unsigned char coilwend_icon_##n##_png[];                                          \
    extern const std::size_t coilwend_icon_##n##_png_size;
COILWEND_ICON(00)
COILWEND_ICON(01)
COILWEND_ICON(02)
COILWEND_ICON(03)
COILWEND_ICON(04)
COILWEND_ICON(05)
COILWEND_ICON(06)
COILWEND_ICON(07)
COILWEND_ICON(08)
COILWEND_ICON(09)
COILWEND_ICON(10)
COILWEND_ICON(11)
COILWEND_ICON(12)
COILWEND_ICON(13)
COILWEND_ICON(14)
COILWEND_ICON(15)
COILWEND_ICON(16)
COILWEND_ICON(17)
COILWEND_ICON(18)
COILWEND_ICON(19)
COILWEND_ICON(20)
COILWEND_ICON(21)
#undef COILWEND_ICON

namespace coilwend {
namespace {

std::span<const unsigned char> embedded_icon(std::size_t index) {
#define COILWEND_ICON(n)                                                                           \
    { coilwend_icon_##n##_png, coilwend_icon_##n##_png_size }
    static const std::array<std::span<const unsigned char>, kIconCount> icons{{
        COILWEND_ICON(00), COILWEND_ICON(01), COILWEND_ICON(02), COILWEND_ICON(03),
        COILWEND_ICON(04), COILWEND_ICON(05), COILWEND_ICON(06), COILWEND_ICON(07),
        COILWEND_ICON(08), COILWEND_ICON(09), COILWEND_ICON(10), COILWEND_ICON(11),
        COILWEND_ICON(12), COILWEND_ICON(13), COILWEND_ICON(14), COILWEND_ICON(15),
        COILWEND_ICON(16), COILWEND_ICON(17), COILWEND_ICON(18), COILWEND_ICON(19),
        COILWEND_ICON(20), COILWEND_ICON(21),
    }};
#undef COILWEND_ICON
    return icons[index];
}

} // namespace

IconAtlas build_icon_atlas(std::span<const RgbaImage> icons) {
    if (icons.size() > kAtlasColumns * kAtlasRows)
        fatal("internal error: too many icons for the atlas");
    IconAtlas atlas;
    atlas.pixels.assign(static_cast<std::size_t>(kAtlasWidth) * kAtlasHeight * 4, 0);
    const float width = static_cast<float>(kAtlasWidth);
    const float height = static_cast<float>(kAtlasHeight);
    for (std::size_t i = 0; i < icons.size(); ++i) {
        const RgbaImage& image = icons[i];
        if (image.width > kAtlasCell || image.height > kAtlasCell)
            fatal("internal error: icon " + std::to_string(i) + " is larger than an atlas cell");
        const std::uint32_t left = static_cast<std::uint32_t>(i % kAtlasColumns) * kAtlasCell;
        const std::uint32_t top = static_cast<std::uint32_t>(i / kAtlasColumns) * kAtlasCell;
        for (std::uint32_t y = 0; y < image.height; ++y) {
            for (std::uint32_t x = 0; x < image.width; ++x) {
                const std::uint8_t* from =
                    &image.pixels[(static_cast<std::size_t>(y) * image.width + x) * 4];
                std::uint8_t* to =
                    &atlas.pixels[(static_cast<std::size_t>(top + y) * kAtlasWidth + left + x) * 4];
                const unsigned alpha = from[3];
                for (int c = 0; c < 3; ++c)
                    to[c] = static_cast<std::uint8_t>(from[c] * alpha / 255u);
                to[3] = from[3];
            }
        }
        if (i < kIconCount)
            atlas.uv[i] = {static_cast<float>(left) / width, static_cast<float>(top) / height,
                           static_cast<float>(left + image.width) / width,
                           static_cast<float>(top + image.height) / height};
    }
    atlas.mipmaps = build_mip_chain(atlas.pixels, kAtlasWidth, kAtlasHeight, 4);
    return atlas;
}

std::vector<RgbaImage> decode_embedded_icons() {
    std::vector<RgbaImage> icons;
    icons.reserve(kIconCount);
    for (std::size_t i = 0; i < kIconCount; ++i) {
        PngDecodeResult decoded = decode_rgba_png(embedded_icon(i));
        if (!decoded.ok())
            fatal("internal error: icon " + std::to_string(i) + ": " + decoded.error);
        icons.push_back(std::move(decoded.image));
    }
    return icons;
}

void build_icon_mesh(std::span<const IconQueueEntry> queue,
                     const std::array<TextureRect, kIconCount>& uv, const UiContext& context,
                     std::vector<IconVertex>& out) {
    out.clear();
    for (const IconQueueEntry& entry : queue) {
        float shade = 1.0f;
        if (context.pointer_state == PointerState::IconOver && context.pressed_icon == entry.icon)
            shade = kPressedShade;
        else if (entry.enabled == 0)
            shade = kDisabledShade;
        const Rgb3 c{entry.colour.r * shade, entry.colour.g * shade, entry.colour.b * shade};
        const TextureRect& t = uv[entry.icon < kIconCount ? entry.icon : 0];
        if (entry.halo != 0) {
            // Black copies of the icon around it: the premultiplied atlas
            // turns a black tint into a dark silhouette.
            const float r = std::max(1.0f, static_cast<float>(entry.size) / 40.0f);
            for (const auto& [dx, dy] : {std::pair{-r, -r},
                                         {0.0f, -r},
                                         {r, -r},
                                         {-r, 0.0f},
                                         {r, 0.0f},
                                         {-r, r},
                                         {0.0f, r},
                                         {r, r}})
                push_quad(out, static_cast<float>(entry.x) + dx, static_cast<float>(entry.y) + dy,
                          static_cast<float>(entry.x + entry.size) + dx,
                          static_cast<float>(entry.y + entry.size) + dy, t, {0, 0, 0, 1.0f});
        }
        push_quad(out, static_cast<float>(entry.x), static_cast<float>(entry.y),
                  static_cast<float>(entry.x + entry.size),
                  static_cast<float>(entry.y + entry.size), t, {c.r, c.g, c.b, 1.0f});
    }
}

} // namespace coilwend
