#pragma once
// Facts about the OpenGL context that start-up obtained, kept process-wide so
// every renderer reads the same values: the shader dialect, the framebuffer
// that means "the window" and the drawable size in pixels.

#include <cstdint>

namespace coilwend {

// Which GLSL flavour the shader sources are prefixed for.
enum class ShaderDialect : std::uint8_t { Desktop, Gles2, Gles3 };

// The framebuffer name before start-up has read it.
inline constexpr std::uint32_t kSystemFramebufferUnset = 0xFFFFFFFFu;

struct DrawableSize {
    std::uint32_t width = 0; // 0 means "not set yet"
    std::uint32_t height = 0;
    friend bool operator==(const DrawableSize&, const DrawableSize&) = default;
};

ShaderDialect shader_dialect();
void set_shader_dialect(ShaderDialect dialect);

// Stops the program when start-up has not read the name yet.
std::uint32_t system_framebuffer();
void set_system_framebuffer(std::uint32_t name);

DrawableSize drawable_size();
void set_drawable_size(DrawableSize size);

} // namespace coilwend
