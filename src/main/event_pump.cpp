#include "main/event_pump.hpp"

#include "main/sdl_error.hpp"

namespace coilwend {
namespace {

bool pump_alive = false;

} // namespace

EventPump::EventPump() {
    if (pump_alive)
        fatal("an `EventPump` instance is already alive - there can only be one `EventPump` in "
              "use at a time.");
    if (SDL_InitSubSystem(SDL_INIT_EVENTS) != 0)
        fatal_sdl("Couldn't get event pump");
    pump_alive = true;
}

EventPump::~EventPump() {
    SDL_QuitSubSystem(SDL_INIT_EVENTS);
    pump_alive = false;
}

} // namespace coilwend
