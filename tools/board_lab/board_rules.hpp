#pragma once
// The invariants the rules rely on, which every changed board must keep, so
// that a proposal can always be pasted into the catalogue as it stands.

#include "game/puzzle.hpp"

#include <vector>

namespace coilwend::board_lab {

// Snakes of two or more adjacent cells on the board, on distinct cells off
// walls, companions off water; no wall on water; items and targets on the
// board and off walls, one item per cell; the exit on the board and off walls;
// and the level not finished before the first move.
bool keeps_invariants(const Puzzle& puzzle);

// No item lies under a snake. Drawn boards may put one there on purpose, but a
// search proposes only boards where every item is in the open.
bool items_clear_of_snakes(const Puzzle& puzzle);

bool contains(const std::vector<Pos>& cells, Pos p);

// Walls, water, targets and items in reading order, so that equal boards
// compare equal whatever order their changes came in.
Puzzle canonical(Puzzle puzzle);

} // namespace coilwend::board_lab
