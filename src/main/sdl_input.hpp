#pragma once
// Reduces SDL keyboard and controller events to the plain InputEvent records
// that the input tables work on.

#include "input/input_event.hpp"

#include <SDL.h>

#include <optional>

namespace coilwend {

std::optional<InputEvent> to_input_event(const SDL_Event& event);

} // namespace coilwend
