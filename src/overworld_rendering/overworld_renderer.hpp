#pragma once
// The overworld renderer: the map lit by one directional light with a shadow
// map (shared with the board), the level markers and cursor rebuilt every
// frame, the drifting plume on top, and a dimming veil while a menu is open. With a scene canvas
// the picture is kept there and, while the view stays, only what changed (the
// cursor's and changing markers' surroundings, the plume) is drawn again,
// scene, plume and veil together inside that region.

#include "game/matrix.hpp"
#include "graphics/batch_bounds.hpp"
#include "graphics/programs.hpp"
#include "graphics/scene_canvas.hpp"
#include "graphics/shader_build.hpp"
#include "graphics/shared_programs.hpp"
#include "graphics/shared_shadow_map.hpp"
#include "graphics/vertex_buffer.hpp"
#include "overworld_rendering/map_damage.hpp"
#include "overworld_rendering/plume.hpp"
#include "scene/overworld_view.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace coilwend {

// The overworld's light is a little softer than the board's.
inline constexpr float kOverworldLightIntensity = 0.4f;

// The light's orthographic view of the map around the camera's target, wide
// enough for the window's aspect and scaled with the zoom.
Mat4 overworld_light_matrix(std::uint32_t window_width, std::uint32_t window_height, float zoom,
                            Vec3 target);

class OverworldRenderer final : public OverworldView {
  public:
    // Builds the overworld's own programs (the rest it shares with the
    // board: `shared`), the five buffers and the fixed light, then the map
    // itself, which is uploaded once; draws its shadows into `shadow`. Both
    // must outlive it. Needs a current context with the fixed GL state
    // applied and the system framebuffer read.
    static OverworldRenderer create(SharedShadowMap& shadow, SharedPrograms& shared);

    // The canvas the map is kept in; null draws every frame whole into the
    // bound framebuffer (the caller clears it).
    void set_canvas(SceneCanvas* canvas) { canvas_ = canvas; }

    void advance_scenery(bool final_won) override;
    // Draws without advancing anything, so frames can be skipped or repeated.
    void draw(const OverworldFrame& frame) override;

    const Plume& plume() const { return plume_; }

  private:
    OverworldRenderer() = default;

    void set_view_uniforms(const OverworldFrame& frame, const Mat4& light) const;
    // Both draw only the still batches that reach the region, all of them
    // for the whole frame or shadow map.
    void shadow_pass(const Mat4& light, const PixelRect& texels);
    void main_pass(const OverworldFrame& frame, const PixelRect& pixels);
    void draw_plume();
    void draw_menu_veil();

    OverworldPrograms programs_;
    SharedPrograms* shared_programs_ = nullptr;
    VertexBuffer<MeshVertex> markers_; // rebuilt every frame
    VertexBuffer<MeshVertex> scenery_; // the map's plain scenery
    VertexBuffer<PatternVertex> ground_;
    BatchBounds scenery_batches_, ground_batches_;
    // The ground's vertices in runs of one pattern each, drawn with that
    // pattern's own program where there is one.
    struct PatternRun {
        VertexRun vertices;
        std::size_t pattern = 0;
    };
    std::vector<PatternRun> pattern_runs_;
    void draw_ground(std::span<const VertexRun> runs) const;
    float lowest_still_z_ = 0; // the bottom of the ground and the scenery
    VertexBuffer<PointVertex> particles_;
    VertexBuffer<ColorVertex> veil_;
    SharedShadowMap* shadow_ = nullptr;

    SceneCanvas* canvas_ = nullptr;
    MapDamage damage_;
    Plume plume_;
    // Reused every frame, so steady frames allocate nothing.
    std::vector<MeshVertex> marker_vertices_;
    std::vector<PointVertex> particle_vertices_;
};

} // namespace coilwend
