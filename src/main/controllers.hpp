#pragma once
// Game controllers: the embedded mapping database and the controllers that
// are connected at start-up. Controllers plugged in later are not opened.

#include "main/sdl_handles.hpp"

namespace coilwend {

OpenControllers open_game_controllers();

} // namespace coilwend
