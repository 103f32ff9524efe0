#include "main/startup_checks.hpp"

#include "game/log.hpp"
#include "main/sdl_error.hpp"

#include <SDL.h>

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace coilwend {

std::string preferences_dir() {
    char* path = SDL_GetPrefPath("kesp", "coilwend");
    if (path == nullptr)
        fatal_sdl("Couldn't make the preferences folder (under $XDG_DATA_HOME, or "
                  "$HOME/.local/share; set one of them to a folder you can write)");
    std::string dir(path);
    SDL_free(path);
    return dir;
}

void log_unwritable_preferences(const std::string& dir) {
    if (access(dir.c_str(), W_OK) == 0)
        return;
    log_line("The preferences folder " + dir + " is not writable (" + std::strerror(errno) +
             "): progress, settings and records will not be kept");
}

void require_visible_display() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    if (driver == nullptr || (requested != nullptr && *requested != '\0'))
        return;
    const std::string_view name(driver);
    if (name == "offscreen" || name == "dummy")
        fatal("No display to open the window on: DISPLAY (X11) or WAYLAND_DISPLAY is not set "
              "or cannot be reached; start the game from a desktop session");
}

} // namespace coilwend
