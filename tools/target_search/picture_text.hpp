#pragma once
// A puzzle drawn back as a board picture (the format of board_text.hpp), so a
// proposal can be pasted into a board file as it is.

#include "game/puzzle.hpp"

#include <string>

namespace coilwend {

// The header line, one line per row (top row first) and, when needed, the
// "two-headed:" line. Snakes past the sixteenth have no letter and are left out.
std::string write_picture(const Puzzle& puzzle);

} // namespace coilwend
