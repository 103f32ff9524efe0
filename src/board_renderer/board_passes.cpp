#include "board_renderer/board_passes.hpp"

#include "board_renderer/board_renderer.hpp"
#include "graphics/gl_context_info.hpp"

#include <array>

namespace coilwend {
namespace {

enum class ViewUniforms { ProjAndLight, LightOnly, ProjOnly };

void set_matrix(GLuint program, const char* name, const Mat4& matrix) {
    gl.UniformMatrix4fv(uniform_location(program, name), 1, GL_FALSE, matrix.m.data());
}

} // namespace

void set_light_uniforms(const ScenePrograms& programs) {
    for (const GLuint program : {programs.mesh, programs.pattern, programs.facet}) {
        gl.UseProgram(program);
        gl.Uniform3f(uniform_location(program, "directional_dir"), kLightDirection.x,
                     kLightDirection.y, kLightDirection.z);
        gl.Uniform1f(uniform_location(program, "directional_intensity"), kLightIntensity);
    }
    gl.UseProgram(0);
}

Mat4 overlay_projection(const Mat4& camera) {
    Mat4 towards_viewer = Mat4::identity();
    towards_viewer.at(2, 3) = -kOverlayDepthBias;
    return towards_viewer * camera;
}

void upload_view_uniforms(const ScenePrograms& programs, const Mat4& camera, const Mat4& light) {
    struct Target {
        GLuint program;
        ViewUniforms uniforms;
    };
    const std::array<Target, 6> targets{{
        {programs.mesh, ViewUniforms::ProjAndLight},
        {programs.facet, ViewUniforms::ProjAndLight},
        {programs.shadow, ViewUniforms::LightOnly},
        {programs.colour, ViewUniforms::ProjOnly},
        {programs.pattern, ViewUniforms::ProjAndLight},
        {programs.textured, ViewUniforms::ProjOnly},
    }};
    const bool has_shadow_map = shader_dialect() != ShaderDialect::Gles2;
    const Mat4 overlays = overlay_projection(camera);
    for (const Target& target : targets) {
        gl.UseProgram(target.program);
        if (target.uniforms != ViewUniforms::LightOnly)
            set_matrix(target.program, "proj",
                       target.program == programs.colour ? overlays : camera);
        if (has_shadow_map && target.uniforms != ViewUniforms::ProjOnly)
            set_matrix(target.program, "light_proj", light);
    }
    gl.UseProgram(0);
}

void shadow_pass(const ScenePrograms& programs, const ShadowMap& shadow,
                 const BoardBuffers& buffers, const PixelRect& texels) {
    // Back faces cast shadows too: the light sees the undersides of pieces
    // that the camera never does.
    gl.Disable(GL_CULL_FACE);
    gl.Viewport(0, 0, shadow_map_size, shadow_map_size);
    gl.BindFramebuffer(GL_FRAMEBUFFER, shadow.framebuffer);
    const bool part = texels != PixelRect{0, 0, shadow_map_size, shadow_map_size};
    if (part) {
        gl.Enable(GL_SCISSOR_TEST);
        gl.Scissor(texels.x0, texels.y0, texels.x1 - texels.x0, texels.y1 - texels.y0);
    }
    if (gl.ClearDepth != nullptr) // desktop only; GLES clears to depth 1 by default
        gl.ClearDepth(1.0);
    gl.Clear(GL_DEPTH_BUFFER_BIT);
    gl.UseProgram(programs.shadow);
    buffers.snakes.draw();
    buffers.ground.draw();
    buffers.pieces.draw();
    buffers.scenery.draw();
    gl.UseProgram(0);
    if (part)
        gl.Disable(GL_SCISSOR_TEST);
    bind_scene_framebuffer();
    gl.Enable(GL_CULL_FACE);
}

void main_pass(const ScenePrograms& programs, const ShadowMap& shadow,
               const BoardBuffers& buffers) {
    const DrawableSize drawable = drawable_size();
    gl.Viewport(0, 0, static_cast<GLsizei>(drawable.width), static_cast<GLsizei>(drawable.height));
    // The lit programs sample the shadow map from texture unit 0.
    gl.BindTexture(GL_TEXTURE_2D, shadow.depth_texture);
    gl.UseProgram(programs.facet);
    buffers.snakes.draw();
    gl.UseProgram(programs.mesh);
    buffers.ground.draw();
    buffers.pieces.draw();
    gl.UseProgram(programs.pattern);
    buffers.scenery.draw();
    gl.UseProgram(0);
    gl.BindTexture(GL_TEXTURE_2D, 0);
}

void draw_vertex_range(GLuint vao, GLenum mode, std::size_t first, std::size_t count) {
    if (count == 0)
        return;
    gl.BindVertexArray(vao);
    gl.DrawArrays(mode, static_cast<GLint>(first), static_cast<GLsizei>(count));
    gl.BindVertexArray(0);
}

} // namespace coilwend
