#pragma once
// A compact drawing of one position, the snakes over the board, enough to
// follow a solution move by move.

#include "game/puzzle.hpp"

#include <string>

namespace coilwend::board_lab {

// One line per row, top row first: snake letters and arrows as in the level
// files, then walls, the exit, items, water and targets where no snake lies;
// '?' everywhere when snakes overlap.
std::string position_view(const Puzzle& puzzle);

} // namespace coilwend::board_lab
