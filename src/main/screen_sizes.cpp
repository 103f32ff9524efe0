#include "main/screen_sizes.hpp"

#include "graphics/gl_context_info.hpp"

#include <algorithm>

namespace coilwend {
namespace {

std::uint32_t non_negative(int value) {
    return static_cast<std::uint32_t>(std::max(value, 0));
}

} // namespace

ScreenSizes read_screen_sizes(SDL_Window* window) {
    int drawable_width = 0;
    int drawable_height = 0;
    SDL_GL_GetDrawableSize(window, &drawable_width, &drawable_height);
    set_drawable_size(non_negative(drawable_width), non_negative(drawable_height));
    int window_width = 0;
    int window_height = 0;
    SDL_GetWindowSize(window, &window_width, &window_height);

    ScreenSizes sizes;
    sizes.window_width = non_negative(window_width);
    sizes.window_height = non_negative(window_height);
    sizes.drawable_width = non_negative(drawable_width);
    sizes.drawable_height = non_negative(drawable_height);
    return sizes;
}

} // namespace coilwend
