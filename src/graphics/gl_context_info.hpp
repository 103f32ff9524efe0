#pragma once
// Facts about the GL context that start-up learns once and every renderer
// reads afterwards: which shading-language flavour to prefix the sources with,
// which framebuffer is the window's, and how large the drawable is.

#include <cstdint>

namespace coilwend {

// Chosen from the context profile: core or compatibility is Desktop, GLES 2
// and GLES 3 contexts get their own prefixes.
enum class ShaderDialect { Desktop, Gles2, Gles3 };

ShaderDialect shader_dialect();
void set_shader_dialect(ShaderDialect dialect);

// The window's framebuffer is not always name 0 (some platforms hand out
// their own), so on-screen drawing binds this name. It is read once at
// start-up; until then it holds the sentinel.
inline constexpr std::uint32_t system_framebuffer_unset = 0xFFFFFFFFu;
void set_system_framebuffer(std::uint32_t framebuffer);
// Stops the program with "Tried to get system fbo before it was set" when
// start-up has not read it yet.
std::uint32_t system_framebuffer();
// glBindFramebuffer(GL_FRAMEBUFFER, system_framebuffer()).
void bind_system_framebuffer();

// The framebuffer the scene is drawn into this frame: the scene canvas when
// one is in use, else the system framebuffer. Passes that draw elsewhere (the
// shadow maps) bind it again when they are done.
void set_scene_framebuffer(std::uint32_t framebuffer);
void bind_scene_framebuffer();

// Drawable size in pixels; width 0 means start-up has not set it yet.
struct DrawableSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};
void set_drawable_size(std::uint32_t width, std::uint32_t height);
// Stops the program with "Need to set resolution" while the width is 0.
DrawableSize drawable_size();

} // namespace coilwend
