#pragma once
// The board renderer: draws one level, lit by one directional light with a
// shadow map, through a slightly tilted orthographic camera that fits the
// board into the window. Geometry (and with it the shadow map) is rebuilt
// only when what it depends on has changed, and allocates nothing once the
// scratch lists have grown. With a scene canvas only the pixels (and
// shadow-map texels) that changed since the last frame are drawn again.

#include "board_renderer/board_damage.hpp"
#include "board_renderer/board_picture.hpp"
#include "board_renderer/overlay_geometry.hpp"
#include "game/board_camera.hpp"
#include "game/move_event.hpp"
#include "game/puzzle.hpp"
#include "graphics/programs.hpp"
#include "graphics/scene_canvas.hpp"
#include "graphics/shader_build.hpp"
#include "graphics/shared_programs.hpp"
#include "graphics/shared_shadow_map.hpp"
#include "graphics/vertex_buffer.hpp"
#include "scene/board_view.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace coilwend {

// The icons of the tutorial overlays live in the user-interface atlas. Until
// one is attached (texture 0) the renderer skips every icon overlay.
struct BoardIconAtlas {
    GLuint texture = 0;
    std::span<const UvRect> icons; // the atlas rectangle of every icon number
};

// Light from high above the board's far right: normalize(-0.3, -0.4, -1), so
// shadows fall towards the viewer's lower left.
inline constexpr Vec3 kLightDirection{-0.26832816f, -0.35777089f, -0.89442718f};
// The share of a colour that the light adds; the rest is ambient.
inline constexpr float kLightIntensity = 0.45f;

class BoardRenderer final : public BoardView {
  public:
    // Builds the six buffers; draws with `programs` and its shadows into
    // `shadow`, both of which must outlive it. Needs a current context, the
    // fixed GL state applied and the system framebuffer read.
    static BoardRenderer create(SharedShadowMap& shadow, SharedPrograms& programs);

    // The viewport uses the drawable size in pixels, the camera the window size.
    void set_window_size(std::uint32_t width, std::uint32_t height) override;
    void set_icon_atlas(BoardIconAtlas atlas) { atlas_ = atlas; }
    // The canvas the picture is kept in, so a frame redraws only what
    // changed; null draws every frame whole into the bound framebuffer (the
    // caller clears it).
    void set_canvas(SceneCanvas* canvas) { canvas_ = canvas; }

    void draw(const BoardFrame& frame) override;
    bool shows_same(const BoardFrame& frame) const override;

    const BoardCamera& camera() const override { return camera_; }

  private:
    BoardRenderer() = default;

    // True when the level's static geometry must be built (again).
    bool static_stale(const Puzzle& puzzle) const;
    void build_static(const Puzzle& puzzle);
    void build_dynamic(const Puzzle& puzzle, const MoveEvent& event, std::uint64_t history_length);
    // True when the snakes and pieces must be built (again), and with them the shadow map.
    bool dynamic_stale(const Puzzle& puzzle, const MoveEvent& event,
                       std::uint64_t history_length) const;
    // The region of the canvas this frame draws, and the shadow map's.
    BoardRegions damage(const BoardOverlays& overlays, Pos exit, bool static_rebuilt,
                        bool dynamic_rebuilt);
    void draw_overlays(const BoardOverlays& plan);
    // The tutorial icons into the scratch list; none until an atlas is attached.
    void build_icon_overlays(const BoardOverlays& plan);
    void draw_icon_overlays();

    VertexBuffer<FacetVertex> snakes_;
    VertexBuffer<MeshVertex> pieces_;
    VertexBuffer<MeshVertex> ground_;
    VertexBuffer<PatternVertex> scenery_;
    VertexBuffer<ColorVertex> overlay_;
    VertexBuffer<TexturedVertex> icons_;

    std::uint32_t window_width_ = 0;
    std::uint32_t window_height_ = 0;
    BoardIconAtlas atlas_;
    SceneCanvas* canvas_ = nullptr;
    BoardDamage damage_;

    struct StaticCache {
        bool built = false;
        std::string_view level_name;
        std::uint32_t window_width = 0;
        std::uint32_t window_height = 0;
        std::uint8_t board_width = 0;
        std::uint8_t board_height = 0;
    } static_cache_;
    struct DynamicCache {
        bool built = false;
        const Puzzle* puzzle = nullptr;
        std::uint64_t history_length = 0;
        MoveEventKind event_kind = MoveEventKind::None;
    } dynamic_cache_;
    std::optional<BoardPicture> last_drawn_;

    ScenePrograms programs_;
    SharedPrograms* shared_programs_ = nullptr;
    BoardCamera camera_;
    SharedShadowMap* shadow_ = nullptr;
};

} // namespace coilwend
