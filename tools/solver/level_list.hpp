#pragma once
// Files regenerated from a solve of the whole catalogue: the stored shortest
// solutions (a source file of the levels library) and the level list in docs.

#include "levels/solver.hpp"

#include <ostream>
#include <string>
#include <vector>

namespace coilwend {

// Reports in the order of level_definitions().
void write_solutions_source(std::ostream& out, const std::vector<SolveReport>& reports);
void write_level_list(std::ostream& out, const std::vector<SolveReport>& reports,
                      double total_seconds);

// A short description of what a board uses: companions, water, items, ...
std::string mechanics_of(const Puzzle& puzzle);

} // namespace coilwend
