#include "main/game_window.hpp"

#include "game/log.hpp"
#include "graphics/png_image.hpp"
#include "main/embedded_assets.hpp"
#include "main/gl_attributes.hpp"
#include "main/sdl_error.hpp"
#include "main/window_size.hpp"

namespace coilwend {
namespace {

constexpr Uint32 kWindowFlags = SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI;

SDL_Window* open_window(WindowSize size) {
    return SDL_CreateWindow("Coilwend", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED,
                            size.width, size.height, kWindowFlags);
}

void set_window_icon(SDL_Window* window) {
    const PngDecodeResult decoded = decode_rgba_png(window_icon_png());
    if (!decoded.ok())
        fatal("Bad window icon: " + decoded.error);
    const RgbaImage& image = decoded.image;

    int bits_per_pixel = 0;
    Uint32 red = 0, green = 0, blue = 0, alpha = 0;
    if (SDL_PixelFormatEnumToMasks(SDL_PIXELFORMAT_ABGR8888, &bits_per_pixel, &red, &green, &blue,
                                   &alpha) != SDL_TRUE)
        fatal_sdl("Couldn't get icon pixel format");
    // SDL only reads the pixels while the surface lives; the surface is freed
    // before the decoded image goes away.
    SDL_Surface* surface =
        SDL_CreateRGBSurfaceFrom(const_cast<std::uint8_t*>(image.pixels.data()),
                                 static_cast<int>(image.width), static_cast<int>(image.height), 32,
                                 static_cast<int>(4 * image.width), red, green, blue, alpha);
    if (surface == nullptr)
        fatal_sdl("Couldn't build icon surface");
    SDL_SetWindowIcon(window, surface);
    SDL_FreeSurface(surface);
}

} // namespace

WindowHandle create_game_window() {
    SDL_Rect display{};
    if (SDL_GetDisplayBounds(0, &display) != 0)
        fatal_sdl("Couldn't get display bounds");
    const WindowSize size = initial_window_size(display.w, display.h);

    WindowHandle window(open_window(size));
    if (!window) {
        log_line("Falling back to non-MSAA, non-sRGB");
        drop_multisampling_and_srgb();
        window.reset(open_window(size));
        if (!window)
            fatal_sdl("Couldn't build window");
    }
    SDL_SetWindowMinimumSize(window.get(), kMinimumWindow.width, kMinimumWindow.height);
    set_window_icon(window.get());
    return window;
}

} // namespace coilwend
