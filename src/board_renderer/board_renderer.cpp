#include "board_renderer/board_renderer.hpp"

#include "board_renderer/board_animation.hpp"
#include "board_renderer/board_geometry.hpp"
#include "board_renderer/board_passes.hpp"
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

bool shows_iris(MoveEventKind kind) {
    return kind == MoveEventKind::IrisIn || kind == MoveEventKind::Leaving;
}

} // namespace

BoardRenderer BoardRenderer::create() {
    BoardRenderer renderer;
    renderer.programs_ = build_scene_programs();
    const ScenePrograms& p = renderer.programs_;
    renderer.snakes_ = VertexBuffer<FacetVertex>::create(p.facet, GL_STATIC_DRAW);
    renderer.pieces_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_STATIC_DRAW);
    renderer.ground_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_DYNAMIC_DRAW);
    renderer.scenery_ = VertexBuffer<PatternVertex>::create(p.pattern, GL_DYNAMIC_DRAW);
    renderer.overlay_ = VertexBuffer<ColorVertex>::create(p.colour, GL_STREAM_DRAW);
    renderer.icons_ = VertexBuffer<TexturedVertex>::create(p.textured, GL_STREAM_DRAW);
    set_light_uniforms(p);
    renderer.shadow_ = create_shadow_map();
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
    dynamic_cache_ = {true, history_length, event.kind != MoveEventKind::None};
}

void BoardRenderer::draw(const BoardFrame& frame) {
    const Puzzle& puzzle = *frame.puzzle;
    const MoveEvent& event = frame.event != nullptr ? *frame.event : no_event();
    const bool event_active = event.kind != MoveEventKind::None;

    const bool static_rebuilt = static_stale(puzzle);
    if (static_rebuilt)
        build_static(puzzle);

    const bool dynamic_rebuilt = static_rebuilt || event_active || !dynamic_cache_.built ||
                                 dynamic_cache_.history_length != frame.history_length ||
                                 dynamic_cache_.event_active != event_active;
    if (dynamic_rebuilt)
        build_dynamic(puzzle, event, frame.history_length);

    const BoardBuffers buffers{snakes_, ground_, pieces_, scenery_};
    // The shadow map keeps the last shadow pass until the geometry changes.
    if (dynamic_rebuilt && shader_dialect() != ShaderDialect::Gles2)
        shadow_pass(programs_, shadow_, buffers);
    main_pass(programs_, shadow_, buffers);
    draw_overlays(frame, event);
}

void BoardRenderer::draw_overlays(const BoardFrame& frame, const MoveEvent& event) {
    const Puzzle& puzzle = *frame.puzzle;
    const BoardAnimation animation = board_animation(event);
    BoardScratch& scratch = board_scratch();

    // Flat triangles first, then the iris strip, in one upload.
    std::vector<ColorVertex>& overlay = scratch.overlay;
    overlay.clear();
    if (frame.selection)
        add_selection_marker(overlay, puzzle, *frame.selection, animation);
    if (frame.hint)
        add_hint_arrow(overlay, *frame.hint);
    if (event.kind == MoveEventKind::Intro && frame.prompts == PromptDevice::Mouse)
        add_intro_ring(overlay, puzzle, event.progress);
    const std::size_t triangle_vertices = overlay.size();
    if (shows_iris(event.kind))
        add_iris_wipe(overlay, puzzle, camera_, event.progress);

    if (!overlay.empty()) {
        overlay_.upload(overlay);
        gl.UseProgram(programs_.colour);
        draw_vertex_range(overlay_.vao(), GL_TRIANGLES, 0, triangle_vertices);
        gl.UseProgram(0);
    }

    draw_icon_overlays(frame, event);

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

void BoardRenderer::draw_icon_overlays(const BoardFrame& frame, const MoveEvent& event) {
    // Icons come from the user-interface atlas; without one there is nothing to draw.
    if (atlas_.texture == 0)
        return;
    const Puzzle& puzzle = *frame.puzzle;
    std::vector<TexturedVertex>& icons = board_scratch().icons;
    icons.clear();
    auto add = [&](const IconPlacement& placement) {
        if (placement.icon < atlas_.icons.size())
            add_icon_quad(icons, placement.centre, placement.half_size,
                          atlas_.icons[placement.icon]);
    };
    if (event.kind == MoveEventKind::Intro)
        if (const auto icon = intro_icon(frame.prompts, event.progress))
            add(intro_icon_placement(puzzle, *icon));
    if (const auto hint = friend_hint(puzzle, frame.selection, frame.prompts, event.kind))
        add(*hint);
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
