#pragma once
// The main loop: one pass per frame of events, scene step, swap and pacing,
// until the player quits.

#include "main/event_pump.hpp"
#include "scene/game.hpp"
#include "ui/ui_renderer.hpp"

#include <SDL.h>

namespace coilwend {

// The user interface is drawn at the end of every pass, over the scene; the
// menu writes `settings` when a setting changes.
void run_main_loop(SDL_Window* window, EventPump& pump, Game& game, UserInterface& ui,
                   StoredFile& settings);

} // namespace coilwend
