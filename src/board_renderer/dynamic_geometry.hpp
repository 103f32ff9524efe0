#pragma once
// The board's pieces that change with the moves, for one frame: every snake
// (animated by the event being played), the items and the targets.

#include "board_renderer/board_scratch.hpp"
#include "game/move_event.hpp"
#include "game/puzzle.hpp"

namespace coilwend {

// Clears and fills scratch.snakes and scratch.pieces (using scratch's plan
// list and snake copy on the way). event.kind None means nothing is animated.
void build_dynamic_geometry(const Puzzle& puzzle, const MoveEvent& event, BoardScratch& scratch);

} // namespace coilwend
