#pragma once
// Solves many levels at once, one level per worker thread.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <vector>

namespace coilwend {

// Reports in the order of the levels given.
std::vector<SolveReport> solve_all(const std::vector<Level>& levels, unsigned threads);

} // namespace coilwend
