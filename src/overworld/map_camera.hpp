#pragma once
// The overworld's camera: where it looks, how far it is zoomed in, how that
// becomes the map's projection and which world point lies under a pointer.
// One grid cell is one world unit; the map floor is the plane z = 0.

#include "game/geometry.hpp"
#include "game/matrix.hpp"

#include <cstdint>

namespace coilwend {

struct MapCamera {
    Vec3 position;     // what the view is centred on now
    Vec3 target;       // where the position glides to
    float zoom = 1.0f; // scale of the map; the visible width is 4 / zoom cells
};

// The screen the map is shown on: pointer positions are measured against
// the window, while the projection's aspect is the drawable's.
struct MapScreen {
    std::uint32_t window_width = 0, window_height = 0;
    std::uint32_t drawable_width = 0, drawable_height = 0;
    float aspect() const;
};

// How many cells the view shows across and (on the floor) from bottom to top.
float visible_width(float zoom);
float visible_height(float zoom, float aspect);

// The map's view projection: orthographic x rotation x scale x translation.
Mat4 map_projection(const MapCamera& camera, float aspect);

// The floor point under a pointer position (window units from the top left).
Vec3 map_point_under(const MapCamera& camera, const MapScreen& screen, float px, float py);
// The cell of that point, halves rounded away from zero.
Pos map_cell_under(const MapCamera& camera, const MapScreen& screen, float px, float py);

// Keeps the zoom between a 12-cell and a 3-cell wide view and both the
// position and the target where the view stays over the map.
void apply_view_limits(MapCamera& camera, float aspect);

// One pass of the glide of the position toward the target: a step of
// max(0.04, 0.04 x distance), landing on the target when it is that close.
void glide_toward_target(MapCamera& camera);

// Zooms the view by factor while the floor point under the pointer stays
// under it, then applies the limits.
void zoom_about(MapCamera& camera, const MapScreen& screen, float factor, float px, float py);

// The zoom that shows the whole map (12 cells across) and the closest one (3).
inline constexpr float kWholeMapZoom = 4.0f / 12.0f;
inline constexpr float kClosestZoom = 4.0f / 3.0f;
// Where the map starts and the title glide ends: six cells across, close
// enough to read the levels near the selection, wide enough to show that the
// map goes on.
inline constexpr float kStartZoom = 4.0f / 6.0f;

} // namespace coilwend
