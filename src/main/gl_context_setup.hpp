#pragma once
// The OpenGL context: up to six attempts with ever looser requests, then the
// shader dialect and the GL entry points.

#include "main/sdl_handles.hpp"

#include <cstdint>

namespace coilwend {

// Verbose adds the "-opengl_debug" diagnostics to the log.
enum class GlDiagnostics : std::uint8_t { Quiet, Verbose };

// Creates the context, makes it current, logs its version, profile and the
// video driver, records the shader dialect and loads the GL entry points.
// Every failure stops the program.
GlContextHandle create_gl_context(SDL_Window* window, GlDiagnostics diagnostics);

// True where the window's back buffer is known to still hold the frame just
// shown after a swap, so a frame need only copy into it what changed: Mesa's
// software rasterisers under X11 draw into a buffer of their own and copy it
// to the window at each swap. Elsewhere (a GPU's swap chain, Wayland) the
// back buffer may be another one, and each frame is copied whole.
bool back_buffer_survives_swap();

} // namespace coilwend
