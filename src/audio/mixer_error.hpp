#pragma once
// Mixer failures read "<what failed>: <the mixer's error text>".

#include "game/log.hpp"

#include <SDL_mixer.h>

#include <source_location>
#include <string>
#include <string_view>

namespace coilwend {

[[noreturn]] inline void fatal_mixer(std::string_view what,
                                     std::source_location where = std::source_location::current()) {
    std::string message(what);
    message += ": ";
    message += Mix_GetError();
    fatal(message, where);
}

} // namespace coilwend
