#pragma once
// Draws a puzzle in the picture format that the level files use, so a board
// proposed or changed by a tool can be pasted straight into a level file and
// parsed back into the same puzzle.

#include "game/puzzle.hpp"

#include <string>

namespace coilwend {

// The header line, one line per row (top row first) and, when any snake is
// two-headed, the "two-headed:" line. Overlapping snakes or more than 16
// snakes cannot be drawn: the result is then empty.
std::string write_picture(const Puzzle& puzzle);

// Only the snakes layer, one line per row: enough to follow a solution.
std::string write_snakes(const Puzzle& puzzle);

} // namespace coilwend
