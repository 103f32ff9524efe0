#include "main/game_window.hpp"

#include "settings/settings_file.hpp"

#include "game/log.hpp"
#include "graphics/png_image.hpp"
#include "main/embedded_assets.hpp"
#include "main/gl_attributes.hpp"
#include "main/sdl_error.hpp"
#include "main/startup_checks.hpp"
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

bool is_fullscreen(SDL_Window* window) {
    return (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) != 0;
}

WindowPlacement current_placement(SDL_Window* window) {
    WindowPlacement placement;
    SDL_GetWindowSize(window, &placement.width, &placement.height);
    placement.fullscreen = is_fullscreen(window);
    return placement;
}

} // namespace

void restore_window_placement(SDL_Window* window) {
    const std::optional<WindowPlacement> saved = window_placement();
    if (!saved)
        return;
    const int display = std::max(SDL_GetWindowDisplayIndex(window), 0);
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0)
        usable = {0, 0, saved->width, saved->height};
    const WindowSize size =
        restored_window_size({saved->width, saved->height}, {usable.w, usable.h});
    SDL_SetWindowSize(window, size.width, size.height);
    window_placement() = WindowPlacement{size.width, size.height, saved->fullscreen};
    if (saved->fullscreen && SDL_SetWindowFullscreen(window, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
        log_line("Fullscreen unavailable: " + std::string(SDL_GetError()));
        window_placement()->fullscreen = false;
    }
}

void toggle_fullscreen(SDL_Window* window) {
    // The windowed size stays what it was before fullscreen.
    WindowPlacement placement = window_placement().value_or(current_placement(window));
    if (!is_fullscreen(window))
        placement = current_placement(window);
    const bool wanted = !is_fullscreen(window);
    if (SDL_SetWindowFullscreen(window, wanted ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0) != 0) {
        log_line("Fullscreen unavailable: " + std::string(SDL_GetError()));
        return;
    }
    placement.fullscreen = wanted;
    window_placement() = placement;
    log_line(wanted ? "Fullscreen on" : "Fullscreen off");
}

void note_window_size(SDL_Window* window) {
    if (is_fullscreen(window))
        return;
    window_placement() = current_placement(window);
}

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
            fatal(std::string("Couldn't build window: ") + SDL_GetError() + std::string(kGlAdvice));
    }
    SDL_SetWindowMinimumSize(window.get(), kMinimumWindow.width, kMinimumWindow.height);
    set_window_icon(window.get());
    return window;
}

} // namespace coilwend
