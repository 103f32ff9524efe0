#pragma once
// The window's size in screen units and its drawable size in pixels (they
// differ on high-DPI displays). The drawable size is also stored process-wide
// for the renderers.

#include <SDL.h>

#include <cstdint>

namespace coilwend {

struct ScreenSizes {
    std::uint32_t window_width = 0;
    std::uint32_t window_height = 0;
    std::uint32_t drawable_width = 0;
    std::uint32_t drawable_height = 0;
};

ScreenSizes read_screen_sizes(SDL_Window* window);

} // namespace coilwend
