#pragma once
// Taking away what a draft does not need.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

namespace coilwend::board_lab {

// The draft with every wall and water cell removed, one at a time, whose
// removal keeps the shortest solution as long and the traps along it as many:
// what is left is there for a reason.
Puzzle pruned(const Puzzle& draft, SolveLimits limits);

} // namespace coilwend::board_lab
