#pragma once
// Whether the two-headed snakes of a board really need both heads.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <optional>
#include <vector>

namespace coilwend::board_lab {

bool has_two_headed_snake(const Puzzle& puzzle);

// Moves of the solution in which a two-headed snake leads with the other end
// than in its previous move; a snake's first move counts when it leads with
// its first cell.
std::size_t lead_changes(const Puzzle& start, const std::vector<SolverMove>& moves);

// The shortest solution over every way of fixing each two-headed snake to one
// leading end; empty when no such variant can be solved. Boards without
// two-headed snakes give their own shortest solution.
std::optional<std::size_t> one_headed_moves(const Puzzle& start, SolveLimits limits);

} // namespace coilwend::board_lab
