#pragma once
// The one command-line switch: "-opengl_debug" adds OpenGL diagnostics to the log.

#include <span>
#include <string_view>

namespace coilwend {

inline constexpr std::string_view kOpenGlDebugSwitch = "-opengl_debug";

// True when any argument equals the switch exactly (case and length included).
bool wants_opengl_debug(std::span<const char* const> arguments);

} // namespace coilwend
