#pragma once
// How the player's snakes and the companions share the work of a solution.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstddef>

namespace coilwend::board_lab {

// True when no snake the player owns has a legal step: the level opens with
// the player helpless until the companions make room.
bool player_boxed_in(const Puzzle& puzzle);

// Moves of the player's snakes made before the companions' last move: how
// much the player must help rather than wait and then walk out.
std::size_t helping_moves(const Puzzle& puzzle, const SolveReport& report);

// Moves after which another snake moves than before.
std::size_t handovers(const SolveReport& report);

// Snakes the solution never moves.
std::size_t idle_snakes(const Puzzle& puzzle, const SolveReport& report);

} // namespace coilwend::board_lab
