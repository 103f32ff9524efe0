#pragma once
// A compact drawing of one position for reading a solution move by move: one
// character per cell, the layers merged, rows from the top of the board down.
//
//   '#' wall   '~' water   'E' exit   '+' '-' items
//   'A'..'P' a snake's leading cell, 'a'..'p' its other cells (by index)

#include "game/puzzle.hpp"

#include <string>

namespace coilwend {

std::string position_view(const Puzzle& puzzle);

} // namespace coilwend
