#pragma once
// Start-up conditions that would otherwise fail later with a puzzling
// message, or not at all: each is turned into a line the player can act on.

#include <string>
#include <string_view>

namespace coilwend {

// What a failed window or OpenGL context needs from the player, appended to
// the panic line's reason.
inline constexpr std::string_view kGlAdvice =
    " - the game needs OpenGL 3.1 or OpenGL ES 2.0: install or update the graphics driver, "
    "or try the -gles3 or -gles2 switch, or LIBGL_ALWAYS_SOFTWARE=1 to draw in software";

// The preferences folder, created if missing; its failure stops the program
// with the folder's environment variables named.
std::string preferences_dir();

// Logs when the preferences folder cannot be written, so a lost save is
// explained from the first line instead of at the first save.
void log_unwritable_preferences(const std::string& dir);

// Stops the program when SDL fell back to a video driver that shows nothing
// (no X11 or Wayland display could be reached) and the player did not ask
// for it: the game would otherwise run without a window.
void require_visible_display();

} // namespace coilwend
