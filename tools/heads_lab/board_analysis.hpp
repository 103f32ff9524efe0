#pragma once
// What a designer wants to know about a board beyond its shortest solution:
// whether the two-headed snakes really need both heads, where along the
// solution the player can fall into a trap, and which pieces the puzzle could
// do without.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwend::heads_lab {

// Moves of the solution in which a two-headed snake leads with the other end
// than in its previous move; a snake's first move counts when it leads with
// its first cell.
std::size_t lead_changes(const Puzzle& start, const std::vector<SolverMove>& moves);

// The shortest solution over every way of fixing each two-headed snake to one
// leading end; empty when no such variant can be solved. Boards without
// two-headed snakes give their own shortest solution.
std::optional<std::size_t> one_headed_moves(const Puzzle& start, SolveLimits limits);

// The positions a solution passes through, the start first and the finished
// position last.
std::vector<Puzzle> replay(const Puzzle& start, const std::vector<SolverMove>& moves);

// Every legal move of every selectable end from a position.
std::vector<Puzzle> successors(const Puzzle& puzzle);

struct TrapStep {
    std::size_t moves = 0; // legal moves from this position
    std::size_t dead = 0;  // of those, the ones after which the level cannot be finished
};
// One entry per position of the solution before its last move.
std::vector<TrapStep> traps_along(const Puzzle& start, const std::vector<SolverMove>& moves,
                                  SolveLimits limits);

struct Ablation {
    std::string piece;                // for example "wall (3, 1)" or "snake b"
    std::optional<std::size_t> moves; // shortest solution without the piece, if solvable
    bool finished_at_start = false;   // removing it finishes the level outright
    std::size_t dead = 0;
};
// The board re-solved once without each wall, water cell, item, target and
// snake (a snake only when another snake the player owns remains).
std::vector<Ablation> ablations(const Puzzle& start, SolveLimits limits);

} // namespace coilwend::heads_lab
