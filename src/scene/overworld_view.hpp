#pragma once
// What the scene flow draws the overworld map with: one frame's input and
// the small interface the overworld renderer offers. Free of GL, so the flow
// can be tested with a recording stand-in.

#include "game/geometry.hpp"
#include "game/matrix.hpp"
#include "overworld/catalogue.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

namespace coilwend {

// Everything one frame of the map is drawn from.
struct OverworldFrame {
    std::span<const OverworldEntry> levels;
    std::size_t selected = 0;
    Mat4 proj;          // the view projection of the map camera
    Vec3 camera_target; // the light's centre: the camera's target, or closer to the entered level
    float zoom = 1.0f;  // the camera's zoom factor
    std::uint32_t window_width = 0, window_height = 0;     // for the light's aspect
    std::uint32_t drawable_width = 0, drawable_height = 0; // the viewport
    float scenery_phase = 0.0f; // 0..1, advances each pass on the overworld
    // While a first completion plays: the selected marker brightens with it.
    std::optional<float> completing_progress;
    // While revealing: these cells' markers grow with the progress.
    std::span<const Pos> revealed_cells;
    float reveal_progress = 1.0f;
    // During the title sequence (0..10): markers grow in after 9.
    std::optional<float> title_progress;
    bool menu_open = false; // dims the map under the menu
};

class OverworldView {
  public:
    virtual ~OverworldView() = default;
    // One pass of the scenery that moves by itself (the plume), run on every
    // overworld pass whether or not a frame is drawn after it; `final_won`
    // colours what it spawns.
    virtual void advance_scenery(bool final_won) { (void)final_won; }
    // Draws one frame into the system framebuffer, which the caller cleared.
    virtual void draw(const OverworldFrame& frame) = 0;
};

} // namespace coilwend
