#pragma once
// The main loop: events, the logic passes that are due (60 a second of
// wall-clock, several per frame when drawing is slow), one drawn frame and
// the wait for the next pass, until the player quits.

#include "main/event_pump.hpp"
#include "scene/game.hpp"
#include "ui/ui_renderer.hpp"

#include <SDL.h>

namespace coilwend {

// The user interface is drawn at the end of every frame, over the scene; the
// menu writes `settings` when a setting changes.
void run_main_loop(SDL_Window* window, EventPump& pump, Game& game, UserInterface& ui,
                   StoredFile& settings);

} // namespace coilwend
