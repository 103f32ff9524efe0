#pragma once
// The main loop: events, the logic passes that are due (60 a second of
// wall-clock, several per frame when drawing is slow), one drawn frame and
// the wait for the next pass, until the player quits.

#include "graphics/scene_canvas.hpp"
#include "main/event_pump.hpp"
#include "scene/game.hpp"
#include "ui/ui_renderer.hpp"

#include <SDL.h>

namespace coilwend {

// The scene is drawn through `canvas`, the user interface at the end of every
// frame over it; the menu writes `settings` when a setting changes.
void run_main_loop(SDL_Window* window, EventPump& pump, Game& game, UserInterface& ui,
                   SceneCanvas& canvas, StoredFile& settings);

} // namespace coilwend
