#include "overworld_rendering/overworld_renderer.hpp"

#include "graphics/gl_context_info.hpp"
#include "overworld_rendering/map_geometry.hpp"
#include "overworld_rendering/map_markers.hpp"

#include <algorithm>
#include <array>
#include <span>

namespace coilwend {
namespace {

constexpr Vec3 kLightDirection = kMapLightDirection;
constexpr float kVeilAlpha = 0.75f; // blended in linear light, so it looks lighter than it says

void set_matrix(GLuint program, const char* name, const Mat4& matrix) {
    gl.UniformMatrix4fv(uniform_location(program, name), 1, GL_FALSE, matrix.m.data());
}

void set_light(std::span<const GLuint> programs) {
    for (const GLuint program : programs) {
        gl.UseProgram(program);
        gl.Uniform3f(uniform_location(program, "directional_dir"), kLightDirection.x,
                     kLightDirection.y, kLightDirection.z);
        gl.Uniform1f(uniform_location(program, "directional_intensity"), kOverworldLightIntensity);
    }
    gl.UseProgram(0);
}

bool has_shadow_map() {
    return shader_dialect() != ShaderDialect::Gles2;
}

Mat4 uniform_scale(float factor) {
    Mat4 r = Mat4::identity();
    r.at(0, 0) = r.at(1, 1) = r.at(2, 2) = factor;
    return r;
}

} // namespace

Mat4 overworld_light_matrix(std::uint32_t window_width, std::uint32_t window_height, float zoom,
                            Vec3 target) {
    const float aspect = window_height > 0 ? float(window_width) / float(window_height) : 1.0f;
    const float extent = aspect >= 1 ? 3.0f : 3.0f / aspect;
    // Looking down the light from a unit-ish distance: the eye sits 1.118034
    // from the target, which look_at folds in as its translation.
    const Mat4 view = look_at({0.3f, 0.4f, 1.0f}, {0, 0, 0}, {0, 0, 1});
    return ortho(-extent, extent, -extent, extent, -5 * zoom, 20 * zoom) * view *
           uniform_scale(zoom) * translate(Vec3{} - target);
}

OverworldRenderer OverworldRenderer::create(SharedShadowMap& shadow, SharedPrograms& shared) {
    OverworldRenderer r;
    r.programs_ = build_overworld_programs(shared.programs());
    r.shared_programs_ = &shared;
    const OverworldPrograms& p = r.programs_;
    r.markers_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_STREAM_DRAW);
    r.scenery_ = VertexBuffer<MeshVertex>::create(p.mesh, GL_DYNAMIC_DRAW);
    r.ground_ = VertexBuffer<PatternVertex>::create(p.pattern);
    r.particles_ = VertexBuffer<PointVertex>::create(p.point, GL_STREAM_DRAW);
    r.veil_ = VertexBuffer<ColorVertex>::create(p.colour);
    // The shared programs get the light at each draw that follows the board's.
    std::vector<GLuint> own_lit;
    for (const GLuint program : p.pattern_for)
        if (program != 0)
            own_lit.push_back(program);
    set_light(own_lit);
    r.shadow_ = &shadow;

    const std::vector<OverworldEntry> table = build_overworld_table();
    const MapGeometry map = build_map_geometry(table);
    r.scenery_.upload(map.mesh);
    r.ground_.upload(map.pattern);
    r.scenery_batches_ = BatchBounds::of(std::span<const MeshVertex>(map.mesh));
    for (std::size_t i = 0; i < map.pattern.size(); ++i) {
        const std::int8_t value = map.pattern[i].pattern;
        const std::size_t pattern =
            value > 0 && std::size_t(value) < kPatternCount ? std::size_t(value) : 0;
        if (r.pattern_runs_.empty() || r.pattern_runs_.back().pattern != pattern)
            r.pattern_runs_.push_back({{i, 0}, pattern});
        ++r.pattern_runs_.back().vertices.count;
    }
    for (const MeshVertex& v : map.mesh)
        r.lowest_still_z_ = std::min(r.lowest_still_z_, v.position[2]);
    for (const PatternVertex& v : map.pattern)
        r.lowest_still_z_ = std::min(r.lowest_still_z_, v.position[2]);
    r.ground_batches_ = BatchBounds::of(std::span<const PatternVertex>(map.pattern));
    // Room for every marker, a few pops and the cursor, and a full plume.
    r.marker_vertices_.reserve((table.size() + 8) * 6 * 32 * 3);
    r.particle_vertices_.reserve(Plume::kCapacity * 6);
    return r;
}

void OverworldRenderer::set_view_uniforms(const OverworldFrame& frame, const Mat4& light) const {
    const OverworldPrograms& p = programs_;
    for (const GLuint program : {p.mesh, p.pattern, p.point}) {
        gl.UseProgram(program);
        set_matrix(program, "proj", frame.proj);
    }
    for (const GLuint program : p.pattern_for)
        if (program != 0) {
            gl.UseProgram(program);
            set_matrix(program, "proj", frame.proj);
            set_matrix(program, "light_proj", light);
        }
    if (has_shadow_map()) {
        for (const GLuint program : {p.mesh, p.pattern, p.shadow}) {
            gl.UseProgram(program);
            set_matrix(program, "light_proj", light);
        }
    }
    gl.UseProgram(0);
}

void OverworldRenderer::shadow_pass(const Mat4& light, const PixelRect& texels) {
    // Back faces cast shadows too.
    gl.Disable(GL_CULL_FACE);
    gl.Viewport(0, 0, shadow_map_size, shadow_map_size);
    gl.BindFramebuffer(GL_FRAMEBUFFER, shadow_->map().framebuffer);
    // Only the texels under what moved; the rest keep the last pass.
    const bool part = texels != PixelRect{0, 0, shadow_map_size, shadow_map_size};
    if (part) {
        gl.Enable(GL_SCISSOR_TEST);
        gl.Scissor(texels.x0, texels.y0, texels.x1 - texels.x0, texels.y1 - texels.y0);
    }
    // GLES has no glClearDepth; its clear depth is 1 unless changed, and
    // nothing here changes it.
    if (gl.ClearDepth != nullptr)
        gl.ClearDepth(1.0);
    gl.Clear(GL_DEPTH_BUFFER_BIT);
    gl.UseProgram(programs_.shadow);
    markers_.draw();
    if (part) {
        scenery_.draw_runs(
            scenery_batches_.reaching(light, shadow_map_size, shadow_map_size, texels));
        ground_.draw_runs(
            ground_batches_.reaching(light, shadow_map_size, shadow_map_size, texels));
    } else {
        scenery_.draw();
        ground_.draw();
    }
    gl.UseProgram(0);
    if (part)
        gl.Disable(GL_SCISSOR_TEST);
    bind_scene_framebuffer();
    gl.Enable(GL_CULL_FACE);
}

void OverworldRenderer::main_pass(const OverworldFrame& frame, const PixelRect& pixels) {
    const std::uint32_t width = frame.drawable_width, height = frame.drawable_height;
    gl.Viewport(0, 0, static_cast<GLsizei>(width), static_cast<GLsizei>(height));
    const bool part = pixels != PixelRect{0, 0, std::int32_t(width), std::int32_t(height)};
    // The lit programs sample the shadow map from texture unit 0.
    gl.BindTexture(GL_TEXTURE_2D, shadow_->map().depth_texture);
    gl.UseProgram(programs_.mesh);
    markers_.draw();
    if (part)
        scenery_.draw_runs(scenery_batches_.reaching(frame.proj, width, height, pixels));
    else
        scenery_.draw();
    if (part) {
        draw_ground(ground_batches_.reaching(frame.proj, width, height, pixels));
    } else {
        const VertexRun all{0, ground_batches_.vertex_count()};
        draw_ground(std::span<const VertexRun>(&all, 1));
    }
    gl.UseProgram(0);
    gl.BindTexture(GL_TEXTURE_2D, 0);
}

void OverworldRenderer::draw_ground(std::span<const VertexRun> runs) const {
    if (programs_.pattern_for[0] == 0) {
        gl.UseProgram(programs_.pattern);
        ground_.draw_runs(runs);
        return;
    }
    // Each run split where the pattern changes, in the same order.
    auto pattern = pattern_runs_.begin();
    GLuint current = 0;
    for (const VertexRun& run : runs) {
        const std::size_t end = run.first + run.count;
        for (std::size_t at = run.first; at < end;) {
            while (pattern->vertices.first + pattern->vertices.count <= at)
                ++pattern;
            const std::size_t stop =
                std::min(end, pattern->vertices.first + pattern->vertices.count);
            const GLuint program = programs_.pattern_for[pattern->pattern];
            if (program != current) {
                gl.UseProgram(program);
                current = program;
            }
            const VertexRun piece{at, stop - at};
            ground_.draw_runs(std::span<const VertexRun>(&piece, 1));
            at = stop;
        }
    }
}

void OverworldRenderer::advance_scenery(bool final_won) {
    plume_.tick(final_won ? PlumeColours::Random : PlumeColours::White);
}

void OverworldRenderer::draw_plume() {
    particles_.upload(particle_vertices_);
    // The plume floats over everything and hides nothing.
    gl.UseProgram(programs_.point);
    gl.Disable(GL_DEPTH_TEST);
    gl.DepthMask(GL_FALSE);
    particles_.draw();
    gl.DepthMask(GL_TRUE);
    gl.Enable(GL_DEPTH_TEST);
    gl.UseProgram(0);
}

void OverworldRenderer::draw_menu_veil() {
    // A dark veil over the whole viewport, given straight in clip space.
    auto corner = [](float x, float y) {
        return ColorVertex{{x, y, 0}, {0.02f, 0.02f, 0.04f, kVeilAlpha}};
    };
    const std::array<ColorVertex, 6> quad{corner(-1, -1), corner(1, -1), corner(1, 1),
                                          corner(-1, -1), corner(1, 1),  corner(-1, 1)};
    veil_.upload(quad);
    gl.UseProgram(programs_.colour);
    set_matrix(programs_.colour, "proj", Mat4::identity());
    gl.Disable(GL_DEPTH_TEST);
    veil_.draw();
    gl.Enable(GL_DEPTH_TEST);
    gl.UseProgram(0);
}

void OverworldRenderer::draw(const OverworldFrame& frame) {
    const std::size_t cursor_at = build_map_markers(frame, marker_vertices_);
    markers_.upload(marker_vertices_);
    MapView view;
    view.proj = frame.proj;
    view.light = overworld_light_matrix(frame.window_width, frame.window_height, frame.zoom,
                                        frame.camera_target);
    view.drawable_width = frame.drawable_width;
    view.drawable_height = frame.drawable_height;
    view.shadow_size = has_shadow_map() ? shadow_map_size : 0;
    view.zoom = frame.zoom;
    view.veiled = frame.menu_open;
    view.lowest_receiver = lowest_still_z_;
    plume_.build_quads(particle_vertices_);
    const bool canvas_kept = canvas_ != nullptr && canvas_->holds_last_frame_of(this);
    const MapRegions regions =
        damage_.next(view, marker_vertices_, cursor_at, plume_box(particle_vertices_), canvas_kept);

    // The board draws with the mesh and pattern programs too, in its own light.
    if (!shared_programs_->holds_uniforms_of(this)) {
        set_light(std::array{programs_.mesh, programs_.pattern});
        shared_programs_->uniforms_set_by(this);
    }
    set_view_uniforms(frame, view.light);
    // The board may have drawn into the shadow map since this last did.
    const PixelRect shadow_texels = shadow_->region_to_draw(this, regions.shadow);
    if (has_shadow_map() && !shadow_texels.empty()) {
        shadow_pass(view.light, shadow_texels);
        shadow_->drawn_by(this);
    }
    PixelRect drawn = regions.screen;
    if (canvas_ != nullptr && regions.moving)
        canvas_->begin_whole(this);
    else if (canvas_ != nullptr)
        drawn = canvas_->begin_region(this, regions.screen);
    if (!regions.moving && drawn.empty())
        return;
    main_pass(frame, regions.moving ? PixelRect{0, 0, std::int32_t(frame.drawable_width),
                                                std::int32_t(frame.drawable_height)}
                                    : drawn);
    // The plume and the veil lie over the whole scene; the canvas's scissor
    // keeps them to the region redrawn.
    draw_plume();
    if (frame.menu_open)
        draw_menu_veil();
}

} // namespace coilwend
