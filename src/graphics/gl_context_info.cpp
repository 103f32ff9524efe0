#include "graphics/gl_context_info.hpp"

#include "game/log.hpp"
#include "graphics/gl_functions.hpp"

namespace coilwend {
namespace {

// Written during start-up (and the drawable size on resize), read by every
// renderer; main thread only.
struct ContextInfo {
    ShaderDialect dialect = ShaderDialect::Desktop;
    std::uint32_t system_framebuffer = system_framebuffer_unset;
    std::uint32_t scene_framebuffer = system_framebuffer_unset; // unset: the system one
    DrawableSize drawable;
};

ContextInfo& info() {
    static ContextInfo instance;
    return instance;
}

} // namespace

ShaderDialect shader_dialect() {
    return info().dialect;
}

void set_shader_dialect(ShaderDialect dialect) {
    info().dialect = dialect;
}

void set_system_framebuffer(std::uint32_t framebuffer) {
    info().system_framebuffer = framebuffer;
}

std::uint32_t system_framebuffer() {
    const std::uint32_t name = info().system_framebuffer;
    if (name == system_framebuffer_unset)
        fatal("Tried to get system fbo before it was set");
    return name;
}

void bind_system_framebuffer() {
    gl.BindFramebuffer(GL_FRAMEBUFFER, system_framebuffer());
}

void set_scene_framebuffer(std::uint32_t framebuffer) {
    info().scene_framebuffer = framebuffer;
}

void bind_scene_framebuffer() {
    const std::uint32_t scene = info().scene_framebuffer;
    gl.BindFramebuffer(GL_FRAMEBUFFER,
                       scene == system_framebuffer_unset ? system_framebuffer() : scene);
}

void set_drawable_size(std::uint32_t width, std::uint32_t height) {
    info().drawable = DrawableSize{width, height};
}

DrawableSize drawable_size() {
    const DrawableSize size = info().drawable;
    if (size.width == 0)
        fatal("Need to set resolution");
    return size;
}

} // namespace coilwend
