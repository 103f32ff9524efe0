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

bool same_vertex(const MeshVertex& a, const MeshVertex& b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// The box of the vertices from the first that differs to the last that
// differs, in both lists (to the end of both when their sizes differ).
WorldBox changed_span(std::span<const MeshVertex> now, std::span<const MeshVertex> before) {
    const std::size_t common = std::min(now.size(), before.size());
    std::size_t first = 0;
    while (first < common && same_vertex(now[first], before[first]))
        ++first;
    if (first == common && now.size() == before.size())
        return {};
    std::size_t end_now = now.size(), end_before = before.size();
    if (now.size() == before.size())
        while (end_now > first && same_vertex(now[end_now - 1], before[end_now - 1]))
            end_before = --end_now;
    WorldBox box = bounds(now.subspan(first, end_now - first));
    box.merge(bounds(before.subspan(first, end_before - first)));
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

    const bool view_same = have_previous_ && same_view(view, previous_view_);
    const WorldBox cursor_box = bounds(cursor);

    MapRegions regions{whole_shadow, whole_screen, !view_same};
    if (view_same) {
        const std::size_t cursor_before_at = std::min(previous_cursor_at_, previous.size());
        // Markers that grew, popped or appeared, old and new, and the cursor.
        WorldBox changed = changed_span(still, previous.first(cursor_before_at));
        if (!same_vertices(cursor, previous.subspan(cursor_before_at))) {
            changed.merge(cursor_box);
            changed.merge(previous_cursor_);
        }
        changed = changed.grown(shadow_margin(view));
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
