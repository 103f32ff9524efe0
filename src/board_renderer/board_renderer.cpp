#include "board_renderer/board_renderer.hpp"

#include "board_renderer/board_animation.hpp"
#include "board_renderer/board_geometry.hpp"
#include "board_renderer/board_passes.hpp"
#include "board_renderer/board_picture.hpp"
#include "board_renderer/board_scratch.hpp"
#include "board_renderer/board_skirt.hpp"
#include "board_renderer/dynamic_geometry.hpp"
#include "graphics/gl_context_info.hpp"

namespace coilwend {
namespace {

const MoveEvent& no_event() {
    static const MoveEvent none;
    return none;
}

} // namespace

BoardRenderer BoardRenderer::create(SharedShadowMap& shadow, SharedPrograms& programs) {
    BoardRenderer renderer;
    renderer.programs_ = programs.programs();
    renderer.shared_programs_ = &programs;
    const ScenePrograms& p = renderer.programs_;
    renderer.snakes_ = VertexBuffer<FacetVertex>::create(p.facet, GL_STATIC_DRAW);
    renderer.pieces_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_STATIC_DRAW);
    renderer.ground_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_DYNAMIC_DRAW);
    renderer.scenery_ = VertexBuffer<PatternVertex>::create(p.pattern, GL_DYNAMIC_DRAW);
    renderer.overlay_ = VertexBuffer<ColorVertex>::create(p.colour, GL_STREAM_DRAW);
    renderer.icons_ = VertexBuffer<TexturedVertex>::create(p.textured, GL_STREAM_DRAW);
    renderer.shadow_ = &shadow;
    return renderer;
}

void BoardRenderer::set_window_size(std::uint32_t width, std::uint32_t height) {
    window_width_ = width;
    window_height_ = height;
}

bool BoardRenderer::static_stale(const Puzzle& puzzle) const {
    const StaticCache& c = static_cache_;
    return !c.built || c.level_name != puzzle.name || c.window_width != window_width_ ||
           c.window_height != window_height_ || c.board_width != puzzle.width ||
           c.board_height != puzzle.height;
}

void BoardRenderer::build_static(const Puzzle& puzzle) {
    camera_ = make_board_camera(window_width_, window_height_, puzzle.width, puzzle.height);
    upload_view_uniforms(programs_, camera_.view_projection,
                         board_light_matrix(puzzle.width, puzzle.height));

    BoardScratch& scratch = board_scratch();
    build_static_geometry(puzzle, scratch.ground, scratch.scenery);
    add_front_skirt(scratch.ground, puzzle);
    ground_.upload(scratch.ground);
    scenery_.upload(scratch.scenery);
    static_cache_ = {true, puzzle.name, window_width_, window_height_, puzzle.width, puzzle.height};
}

void BoardRenderer::build_dynamic(const Puzzle& puzzle, const MoveEvent& event,
                                  std::uint64_t history_length) {
    BoardScratch& scratch = board_scratch();
    build_dynamic_geometry(puzzle, event, scratch);
    snakes_.upload(scratch.snakes);
    pieces_.upload(scratch.pieces);
    dynamic_cache_ = {true, &puzzle, history_length, event.kind};
}

bool BoardRenderer::dynamic_stale(const Puzzle& puzzle, const MoveEvent& event,
                                  std::uint64_t history_length) const {
    const DynamicCache& c = dynamic_cache_;
    return !c.built || geometry_follows_progress(event.kind) || c.puzzle != &puzzle ||
           c.history_length != history_length || c.event_kind != event.kind;
}

bool BoardRenderer::shows_same(const BoardFrame& frame) const {
    return last_drawn_ && *last_drawn_ == board_picture(frame) && !static_stale(*frame.puzzle);
}

void BoardRenderer::draw(const BoardFrame& frame) {
    const Puzzle& puzzle = *frame.puzzle;
    const MoveEvent& event = frame.event != nullptr ? *frame.event : no_event();

    const bool static_rebuilt = static_stale(puzzle);
    if (static_rebuilt)
        build_static(puzzle);
    // The map draws with the same programs and sets its own light and view.
    if (!shared_programs_->holds_uniforms_of(this)) {
        set_light_uniforms(programs_);
        if (!static_rebuilt)
            upload_view_uniforms(programs_, camera_.view_projection,
                                 board_light_matrix(puzzle.width, puzzle.height));
        shared_programs_->uniforms_set_by(this);
    }

    // Snakes and pieces stand still under the intro and the irises, so
    // neither they nor their shadows are built again while those play.
    const bool dynamic_rebuilt =
        static_rebuilt || dynamic_stale(puzzle, event, frame.history_length);
    if (dynamic_rebuilt)
        build_dynamic(puzzle, event, frame.history_length);

    BoardScratch& scratch = board_scratch();
    const BoardOverlays overlays = build_board_overlays(frame, event, camera_, scratch.overlay);
    build_icon_overlays(overlays);
    const BoardRegions regions = damage(overlays, puzzle.exit, static_rebuilt, dynamic_rebuilt);

    const BoardBuffers buffers{snakes_, ground_, pieces_, scenery_};
    // The shadow map keeps the last shadow pass where the geometry is
    // unchanged, unless the map has drawn there since.
    const PixelRect shadow_texels = shadow_->region_to_draw(this, regions.shadow);
    if (!shadow_texels.empty() && shader_dialect() != ShaderDialect::Gles2) {
        shadow_pass(programs_, shadow_->map(), buffers, shadow_texels);
        shadow_->drawn_by(this);
    }
    // An iris redraws every frame whole.
    PixelRect drawn = regions.screen;
    if (canvas_ != nullptr && regions.iris)
        canvas_->begin_whole(this);
    else if (canvas_ != nullptr)
        drawn = canvas_->begin_region(this, regions.screen);
    if (regions.iris || !drawn.empty()) {
        main_pass(programs_, shadow_->map(), buffers);
        draw_overlays(overlays);
    }
    last_drawn_ = board_picture(frame);
}

BoardRegions BoardRenderer::damage(const BoardOverlays& overlays, Pos exit, bool static_rebuilt,
                                   bool dynamic_rebuilt) {
    const BoardScratch& scratch = board_scratch();
    const DrawableSize drawable = drawable_size();
    const Mat4 light = board_light_matrix(static_cache_.board_width, static_cache_.board_height);
    BoardFrameGeometry geometry;
    geometry.camera = &camera_.view_projection;
    geometry.light = &light;
    geometry.drawable_width = drawable.width;
    geometry.drawable_height = drawable.height;
    geometry.shadow_size = shader_dialect() != ShaderDialect::Gles2 ? shadow_map_size : 0;
    geometry.exit = exit;
    geometry.dynamic_rebuilt = dynamic_rebuilt;
    geometry.snakes = scratch.snakes;
    geometry.pieces = scratch.pieces;
    geometry.overlay = std::span<const ColorVertex>(scratch.overlay)
                           .first(std::min(overlays.triangle_vertices, scratch.overlay.size()));
    geometry.iris = scratch.overlay.size() > overlays.triangle_vertices;
    geometry.icons = scratch.icons;
    const bool kept = canvas_ != nullptr && canvas_->holds_last_frame_of(this);
    return damage_.next(geometry, kLightDirection, static_rebuilt || !kept);
}

void BoardRenderer::draw_overlays(const BoardOverlays& plan) {
    const std::vector<ColorVertex>& overlay = board_scratch().overlay;
    const std::size_t triangle_vertices = plan.triangle_vertices;

    if (!overlay.empty()) {
        overlay_.upload(overlay);
        gl.UseProgram(programs_.colour);
        draw_vertex_range(overlay_.vao(), GL_TRIANGLES, 0, triangle_vertices);
        gl.UseProgram(0);
    }

    draw_icon_overlays();

    if (overlay.size() > triangle_vertices) {
        // The iris covers everything, whatever lies above the floor.
        gl.Disable(GL_DEPTH_TEST);
        gl.UseProgram(programs_.colour);
        draw_vertex_range(overlay_.vao(), GL_TRIANGLE_STRIP, triangle_vertices,
                          overlay.size() - triangle_vertices);
        gl.UseProgram(0);
        gl.Enable(GL_DEPTH_TEST);
    }
}

void BoardRenderer::build_icon_overlays(const BoardOverlays& plan) {
    std::vector<TexturedVertex>& icons = board_scratch().icons;
    icons.clear();
    // Icons come from the user-interface atlas; without one there is nothing to draw.
    if (atlas_.texture == 0)
        return;
    for (const std::optional<IconPlacement>& placement : plan.icons)
        if (placement && placement->icon < atlas_.icons.size())
            add_icon_quad(icons, placement->centre, placement->half_size,
                          atlas_.icons[placement->icon]);
}

void BoardRenderer::draw_icon_overlays() {
    const std::vector<TexturedVertex>& icons = board_scratch().icons;
    if (icons.empty())
        return;

    icons_.upload(icons);
    // Icons sit on top of the scene, premultiplied.
    gl.Disable(GL_DEPTH_TEST);
    gl.BlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    gl.UseProgram(programs_.textured);
    gl.BindTexture(GL_TEXTURE_2D, atlas_.texture);
    icons_.draw();
    gl.BindTexture(GL_TEXTURE_2D, 0);
    gl.UseProgram(0);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    gl.Enable(GL_DEPTH_TEST);
}

} // namespace coilwend
