#pragma once
// Turns embedded GLSL text into shaders and programs for the dialect of the
// current context, and looks up uniforms. Every failure here is fatal: the
// game cannot draw without its programs.

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "graphics/gl_context_info.hpp"
#include "graphics/gl_functions.hpp"

namespace coilwend {

enum class ShaderKind : GLenum { Vertex = GL_VERTEX_SHADER, Fragment = GL_FRAGMENT_SHADER };

// The text put in front of every source: the language version, and defines
// that let one source serve desktop GLSL 1.40 and GLSL ES 1.00.
std::string_view shader_prefix(ShaderDialect dialect, ShaderKind kind);

// Compiles prefix + source. On failure the whole prefixed source is logged and
// the program stops with the driver's info log.
GLuint compile_shader(std::string_view source, ShaderKind kind);

// Fixes a vertex input's location before linking, so vertex arrays set up
// against one program fit every program sharing the table.
struct AttributeBinding {
    std::uint32_t index;
    const char* name;
};

inline constexpr std::array<AttributeBinding, 3> bindings_3d{{
    {0, "position"},
    {1, "normal"},
    {2, "color1"},
}};
inline constexpr std::array<AttributeBinding, 2> bindings_2d{{
    {0, "position"},
    {1, "uv"},
}};

// Links the two shaders (which are kept, not deleted); stops the program with
// the info log on failure.
GLuint link_program(GLuint vertex_shader, GLuint fragment_shader,
                    std::span<const AttributeBinding> bindings = {});

// Never negative: a name the program lacks stops the program. Not cached;
// callers look it up whenever they set the uniform.
GLint uniform_location(GLuint program, const char* name);

// Depth-only framebuffer for the shadow pass, 2048 × 2048 like the shaders'
// texel size. Both names are 0 under GLES 2, which has no shadow pass.
struct ShadowMap {
    GLuint framebuffer = 0;
    GLuint depth_texture = 0;
};
inline constexpr GLsizei shadow_map_size = 2048;
ShadowMap create_shadow_map();

// The state every renderer assumes and restores: sRGB output, depth test
// (less-or-equal), back-face culling of counter-clockwise fronts, alpha
// blending.
void apply_fixed_gl_state();

// Records the framebuffer bound right now (the window's) as the system
// framebuffer; called once, straight after apply_fixed_gl_state.
void read_system_framebuffer();

} // namespace coilwend
