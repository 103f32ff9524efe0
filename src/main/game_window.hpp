#pragma once
// The game's one window, with its icon.

#include "main/sdl_handles.hpp"

namespace coilwend {

// Creates the window at the start-up size for display 0, falling back once to
// a framebuffer without multisampling and sRGB, and sets the minimum size and
// the icon. Every failure stops the program.
WindowHandle create_game_window();

} // namespace coilwend
