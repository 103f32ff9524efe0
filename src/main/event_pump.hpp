#pragma once
// The single source of SDL events. Owning it keeps SDL's events subsystem
// running; dropping it is the first step of shutdown.

#include <SDL.h>

namespace coilwend {

class EventPump {
  public:
    // Starts the events subsystem; a second live pump is an internal error.
    EventPump();
    EventPump(const EventPump&) = delete;
    EventPump& operator=(const EventPump&) = delete;
    ~EventPump();

    bool poll(SDL_Event& event) { return SDL_PollEvent(&event) != 0; }
};

} // namespace coilwend
