#pragma once
// The command-line switches: "-opengl_debug" adds OpenGL diagnostics to the
// log; "-gles3" and "-gles2" ask for an OpenGL ES context of that version
// instead of desktop OpenGL, for drivers that offer only OpenGL ES.

#include <span>
#include <string_view>

namespace coilwend {

inline constexpr std::string_view kOpenGlDebugSwitch = "-opengl_debug";
inline constexpr std::string_view kGles3Switch = "-gles3";
inline constexpr std::string_view kGles2Switch = "-gles2";

// True when any argument equals the switch exactly (case and length included).
bool wants_opengl_debug(std::span<const char* const> arguments);

// The OpenGL flavour asked for first; the context's fallbacks may still end
// elsewhere when the driver refuses it.
enum class GlRequest { Desktop, Gles3, Gles2 };

// The last of "-gles3" and "-gles2" given (exact matches only), else Desktop.
GlRequest requested_gl(std::span<const char* const> arguments);

} // namespace coilwend
