#include "overworld_rendering/map_damage.hpp"

#include <algorithm>
#include <cstring>

namespace coilwend {
namespace {

// Pixels and texels added around a region for rasterisation at its edges.
constexpr std::int32_t kEdgePixels = 2;

bool same_view(const MapView& a, const MapView& b) {
    return a.proj.m == b.proj.m && a.light.m == b.light.m && a.drawable_width == b.drawable_width &&
           a.drawable_height == b.drawable_height && a.shadow_size == b.shadow_size &&
           a.veiled == b.veiled;
}

bool same_vertices(std::span<const MeshVertex> a, std::span<const MeshVertex> b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size_bytes()) == 0);
}

WorldBox bounds(std::span<const MeshVertex> vertices) {
    WorldBox box;
    for (const MeshVertex& v : vertices)
        box.add(Vec3{v.position[0], v.position[1], v.position[2]});
    return box;
}

// Far enough around a changed caster to cover the shadow filter's reach
// (a texel each way) at any zoom, and a little for rounding.
float shadow_margin(const MapView& view) {
    const float texel = 20.0f / (float(std::max(view.shadow_size, 1u)) * view.zoom);
    return 0.02f + 3 * texel;
}

} // namespace

WorldBox plume_box(std::span<const PointVertex> quads) {
    WorldBox box;
    for (const PointVertex& v : quads)
        box.add(Vec3{v.position[0], v.position[1], kPlumeHeight});
    return box;
}

MapRegions MapDamage::next(const MapView& view, std::span<const MeshVertex> markers,
                           std::size_t cursor_at, const WorldBox& plume, bool canvas_kept) {
    cursor_at = std::min(cursor_at, markers.size());
    const std::span<const MeshVertex> still = markers.first(cursor_at);
    const std::span<const MeshVertex> cursor = markers.subspan(cursor_at);
    const std::span<const MeshVertex> previous{previous_markers_};
    const PixelRect whole_screen{0, 0, std::int32_t(view.drawable_width),
                                 std::int32_t(view.drawable_height)};
    const PixelRect whole_shadow{0, 0, std::int32_t(view.shadow_size),
                                 std::int32_t(view.shadow_size)};

    const bool still_same =
        have_previous_ && same_view(view, previous_view_) && cursor_at == previous_cursor_at_ &&
        same_vertices(still, previous.first(std::min(previous_cursor_at_, previous.size())));
    const WorldBox cursor_box = bounds(cursor);

    MapRegions regions{whole_shadow, whole_screen, !still_same};
    if (still_same) {
        const bool cursor_same = same_vertices(cursor, previous.subspan(previous_cursor_at_));
        WorldBox changed;
        if (!cursor_same) {
            changed = cursor_box;
            changed.merge(previous_cursor_);
            changed = changed.grown(shadow_margin(view));
        }
        regions.shadow =
            box_pixels(view.light, changed, view.shadow_size, view.shadow_size, kEdgePixels);
        WorldBox plume_moved = plume;
        plume_moved.merge(previous_plume_);
        regions.screen =
            canvas_kept
                ? united(box_pixels(view.proj,
                                    with_shadow(changed, kMapLightDirection, view.lowest_receiver),
                                    view.drawable_width, view.drawable_height, kEdgePixels),
                         box_pixels(view.proj, plume_moved, view.drawable_width,
                                    view.drawable_height, kEdgePixels))
                : whole_screen;
    }

    have_previous_ = true;
    previous_view_ = view;
    previous_markers_.assign(markers.begin(), markers.end());
    previous_cursor_at_ = cursor_at;
    previous_cursor_ = cursor_box;
    previous_plume_ = plume;
    return regions;
}

} // namespace coilwend
