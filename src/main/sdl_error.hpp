#pragma once
// Start-up failures read "<what failed>: <SDL's error text>".

#include "game/log.hpp"

#include <SDL.h>

#include <source_location>
#include <string>
#include <string_view>

namespace coilwend {

[[noreturn]] inline void fatal_sdl(std::string_view what,
                                   std::source_location where = std::source_location::current()) {
    std::string message(what);
    message += ": ";
    message += SDL_GetError();
    fatal(message, where);
}

} // namespace coilwend
