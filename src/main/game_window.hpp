#pragma once
// The game's one window, with its icon.

#include "main/sdl_handles.hpp"

namespace coilwend {

// Creates the window at the start-up size for display 0, falling back once to
// a framebuffer without multisampling and sRGB, and sets the minimum size and
// the icon. Every failure stops the program.
WindowHandle create_game_window();

// Brings back the size and fullscreen state the settings file holds, if any,
// clamped to the window's display.
void restore_window_placement(SDL_Window* window);
// Switches between a window and desktop fullscreen and notes the new state
// for the settings file.
void toggle_fullscreen(SDL_Window* window);
// Notes a window size the player chose, unless fullscreen (which keeps the
// windowed size to come back to).
void note_window_size(SDL_Window* window);

} // namespace coilwend
