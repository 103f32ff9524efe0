#pragma once
// Solving many boards at once, on every core the lab may use.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <vector>

namespace coilwend::board_lab {

// One report per board, in the boards' order.
std::vector<SolveReport> solve_all(const std::vector<Puzzle>& boards, SolveLimits limits,
                                   unsigned threads = 2);

} // namespace coilwend::board_lab
