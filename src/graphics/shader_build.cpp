#include "graphics/shader_build.hpp"

#include <cstdio>
#include <string>
#include <vector>

#include "game/log.hpp"
#include "storage/utf8_lossy.hpp"

namespace coilwend {
namespace {

constexpr std::string_view desktop_vertex = "#version 140\n#line 1\n";
constexpr std::string_view desktop_fragment =
    "#version 140\nout vec4 outcolor;\n#define gl_FragColor outcolor\n#line 1\n";
constexpr std::string_view gles2_vertex =
    "#version 100\n#define GLES2\n#define in attribute\n#define out varying\n#line 1\n";
constexpr std::string_view gles3_vertex =
    "#version 100\n#define in attribute\n#define out varying\n#line 1\n";
// GLSL ES 1.00 fragment shaders have no default float precision; the noise
// functions need high precision where the hardware has it.
#define COILWEND_GLES_FRAGMENT_BODY                                                                \
    "#ifdef GL_FRAGMENT_PRECISION_HIGH\nprecision highp float;\n#else\nprecision mediump "         \
    "float;\n#endif\n#define in varying\n#define texture texture2D\n#line 1\n"
constexpr std::string_view gles2_fragment =
    "#version 100\n#define GLES2\n" COILWEND_GLES_FRAGMENT_BODY;
constexpr std::string_view gles3_fragment = "#version 100\n" COILWEND_GLES_FRAGMENT_BODY;
#undef COILWEND_GLES_FRAGMENT_BODY

// Info logs count their terminator in the reported length.
std::string info_log_text(const std::vector<GLchar>& buffer, GLint length) {
    if (length <= 1)
        return {};
    return utf8_lossy(std::string_view(buffer.data(), static_cast<std::size_t>(length - 1)));
}

std::string shader_info_log(GLuint shader) {
    GLint length = 0;
    gl.GetShaderiv(shader, GL_INFO_LOG_LENGTH, &length);
    std::vector<GLchar> buffer(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    gl.GetShaderInfoLog(shader, length, nullptr, buffer.data());
    return info_log_text(buffer, length);
}

std::string program_info_log(GLuint program) {
    GLint length = 0;
    gl.GetProgramiv(program, GL_INFO_LOG_LENGTH, &length);
    std::vector<GLchar> buffer(static_cast<std::size_t>(length > 0 ? length : 1), '\0');
    gl.GetProgramInfoLog(program, length, nullptr, buffer.data());
    return info_log_text(buffer, length);
}

} // namespace

std::string_view shader_prefix(ShaderDialect dialect, ShaderKind kind) {
    const bool vertex = kind == ShaderKind::Vertex;
    if (!vertex && kind != ShaderKind::Fragment)
        fatal("internal error: entered unreachable code");
    switch (dialect) {
    case ShaderDialect::Desktop:
        return vertex ? desktop_vertex : desktop_fragment;
    case ShaderDialect::Gles2:
        return vertex ? gles2_vertex : gles2_fragment;
    case ShaderDialect::Gles3:
        return vertex ? gles3_vertex : gles3_fragment;
    }
    fatal("internal error: entered unreachable code");
}

GLuint compile_shader(std::string_view source, ShaderKind kind) {
    if (source.find('\0') != std::string_view::npos)
        fatal("internal error: shader source contains a NUL byte");
    std::string text(shader_prefix(shader_dialect(), kind));
    text += source;
    const GLchar* const text_pointer = text.c_str();

    const GLuint shader = gl.CreateShader(static_cast<GLenum>(kind));
    gl.ShaderSource(shader, 1, &text_pointer, nullptr);
    gl.CompileShader(shader);
    GLint status = 0;
    gl.GetShaderiv(shader, GL_COMPILE_STATUS, &status);
    if (status != 0)
        return shader;

    const std::string log = shader_info_log(shader);
    // The info log cites line numbers; the source lets a maintainer read them.
    log_line(text, LogLevel::Error);
    fatal(log);
}

GLuint link_program(GLuint vertex_shader, GLuint fragment_shader,
                    std::span<const AttributeBinding> bindings) {
    const GLuint program = gl.CreateProgram();
    gl.AttachShader(program, vertex_shader);
    gl.AttachShader(program, fragment_shader);
    for (const AttributeBinding& binding : bindings)
        gl.BindAttribLocation(program, binding.index, binding.name);
    gl.LinkProgram(program);
    GLint status = 0;
    gl.GetProgramiv(program, GL_LINK_STATUS, &status);
    if (status == 1)
        return program;
    fatal(program_info_log(program));
}

GLint uniform_location(GLuint program, const char* name) {
    const GLint location = gl.GetUniformLocation(program, name);
    if (location < 0)
        fatal(std::string("Tried to get a non-existant uniform location: ") + name);
    return location;
}

ShadowMap create_shadow_map() {
    if (shader_dialect() == ShaderDialect::Gles2)
        return {};
    ShadowMap map;
    gl.GenFramebuffers(1, &map.framebuffer);
    gl.GenTextures(1, &map.depth_texture);
    gl.BindFramebuffer(GL_FRAMEBUFFER, map.framebuffer);
    // Depth only: no colour buffer is read or written. GLES 3 has no
    // glDrawBuffer and a loader may leave it null; there the framebuffer is
    // complete without it.
    if (gl.DrawBuffer != nullptr)
        gl.DrawBuffer(GL_NONE);
    gl.ReadBuffer(GL_NONE);

    gl.BindTexture(GL_TEXTURE_2D, map.depth_texture);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_DEPTH_COMPONENT16, shadow_map_size, shadow_map_size, 0,
                  GL_DEPTH_COMPONENT, GL_UNSIGNED_INT, nullptr);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    gl.TexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    gl.FramebufferTexture2D(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_TEXTURE_2D, map.depth_texture,
                            0);

    const GLenum status = gl.CheckFramebufferStatus(GL_FRAMEBUFFER);
    if (status != GL_FRAMEBUFFER_COMPLETE) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(status));
        fatal(std::string("Framebuffer incomplete: ") + hex);
    }
    gl.BindTexture(GL_TEXTURE_2D, 0);
    bind_system_framebuffer();
    return map;
}

void apply_fixed_gl_state() {
    gl.Enable(GL_FRAMEBUFFER_SRGB);
    gl.Enable(GL_DEPTH_TEST);
    gl.DepthMask(GL_TRUE);
    gl.DepthFunc(GL_LEQUAL);
    // GLES has only glDepthRangef; its default range is this one anyway.
    if (gl.DepthRange != nullptr)
        gl.DepthRange(0.0, 1.0);
    gl.Enable(GL_CULL_FACE);
    gl.FrontFace(GL_CCW);
    gl.CullFace(GL_BACK);
    gl.Enable(GL_BLEND);
    gl.BlendEquation(GL_FUNC_ADD);
    gl.BlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

void read_system_framebuffer() {
    GLint framebuffer = 0;
    gl.GetIntegerv(GL_FRAMEBUFFER_BINDING, &framebuffer);
    set_system_framebuffer(static_cast<std::uint32_t>(framebuffer));
}

} // namespace coilwend
