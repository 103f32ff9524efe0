#include "graphics/gl_context_info.hpp"

#include "game/log.hpp"

namespace coilwend {
namespace {

struct ContextInfo {
    ShaderDialect dialect = ShaderDialect::Desktop;
    std::uint32_t system_framebuffer = kSystemFramebufferUnset;
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

std::uint32_t system_framebuffer() {
    const std::uint32_t name = info().system_framebuffer;
    if (name == kSystemFramebufferUnset)
        fatal("Tried to get system fbo before it was set");
    return name;
}
void set_system_framebuffer(std::uint32_t name) {
    info().system_framebuffer = name;
}

DrawableSize drawable_size() {
    return info().drawable;
}
void set_drawable_size(DrawableSize size) {
    info().drawable = size;
}

} // namespace coilwend
