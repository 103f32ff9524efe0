#pragma once
// The inverse of the board parser: draws a puzzle as the picture format of
// board_text.hpp, so that tools can propose boards a designer pastes in.

#include "game/puzzle.hpp"

#include <string>

namespace coilwend {

// The picture lines, header first, each ending in a line feed, followed by
// the "two-headed:" line when a snake is two-headed. Snakes must not overlap
// and there may be at most 16 of them.
std::string board_picture(const Puzzle& puzzle);

} // namespace coilwend
