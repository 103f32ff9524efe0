#pragma once
// Draws a puzzle back as a catalogue picture, so a tuned board can be pasted
// into a board file as it is.

#include "game/puzzle.hpp"

#include <string>

namespace coilwend {

// The header line and one line per row, top row first, without options.
std::string board_picture(const Puzzle& puzzle);

} // namespace coilwend
