#pragma once
// What of the map must be drawn again in a frame. The ground, the scenery and
// the markers stand still between frames; only the breathing cursor and the
// plume move, and markers while they grow or pop. When the view and the
// menu's veil are as last time, only the pixels under the changed markers'
// (the cursor's) and the plume's old and new places and the markers'
// shadows, and the shadow-map texels under them, are drawn again.

#include "game/matrix.hpp"
#include "graphics/pixel_rect.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

// normalize(-0.3, -0.4, -1): the map's light, from high above its far right.
inline constexpr Vec3 kMapLightDirection{-0.26832816f, -0.35777089f, -0.89442718f};

struct MapView {
    Mat4 proj;  // the camera's view projection
    Mat4 light; // the light's projection into the shadow map
    std::uint32_t drawable_width = 0, drawable_height = 0;
    std::uint32_t shadow_size = 0; // the shadow map's side in texels
    float zoom = 1;                // the shadow map covers less of the world as it grows
    bool veiled = false;           // the menu's veil lies over the map
    // Nothing that can take the cursor's shadow lies lower: the bottom of the
    // map's still geometry (the ground lies at 0).
    float lowest_receiver = -0.5f;
};

// The plume's quads lie in this plane, above everything on the map (the
// point program puts them there).
inline constexpr float kPlumeHeight = 3.0f;

// Where the plume's quads lie in the world. Its particles fade and drift
// every pass, so wherever it lies is redrawn every frame.
WorldBox plume_box(std::span<const PointVertex> quads);

struct MapRegions {
    PixelRect shadow;    // shadow-map texels to draw again; empty: keep it
    PixelRect screen;    // canvas pixels to draw again; empty: keep them
    bool moving = false; // the view changed since the last frame: all is drawn again
};

class MapDamage {
  public:
    // `markers` holds this frame's marker geometry with the cursor from
    // `cursor_at` on; `plume` is where the plume lies; `canvas_kept` says
    // whether the canvas still holds the last frame's picture. Remembers this
    // frame for the next.
    MapRegions next(const MapView& view, std::span<const MeshVertex> markers, std::size_t cursor_at,
                    const WorldBox& plume, bool canvas_kept);
    // The next frame is drawn whole (the shadow map or the picture was lost).
    void forget() { have_previous_ = false; }

  private:
    bool have_previous_ = false;
    MapView previous_view_;
    std::vector<MeshVertex> previous_markers_;
    std::size_t previous_cursor_at_ = 0;
    WorldBox previous_cursor_;
    WorldBox previous_plume_;
};

} // namespace coilwend
