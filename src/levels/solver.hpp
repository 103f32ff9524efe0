#pragma once
// Breadth-first search over every position a level can reach, played with the
// rules library itself. A position is the snakes' cells and the items left;
// the selection is not part of it (the player may change it freely) and eaten
// marks take no part in the rules. A finished position accepts no more moves.

#include "game/geometry.hpp"
#include "game/puzzle.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace coilwend {

// One step of one snake end.
struct SolverMove {
    std::size_t snake = 0;
    bool front = false;
    Direction direction;
    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

struct SolveReport {
    bool solvable = false;
    bool gave_up = false;             // the position limit was reached before the search ended
    std::vector<SolverMove> moves;    // a shortest solution, when solvable
    std::size_t reachable = 0;        // positions reachable from the start, the start included
    std::size_t dead = 0;             // reachable positions from which the level cannot be finished
    std::size_t first_moves = 0;      // legal moves from the start
    std::size_t first_moves_dead = 0; // of those, the ones that lead into a dead position
    // Positions along the shortest solution (the start included, the end not)
    // from which some legal move leads into a dead position: the traps a player meets.
    std::size_t traps_on_path = 0;
    double seconds = 0;
};

struct SolveLimits {
    std::size_t max_positions = 8'000'000; // about half a gigabyte of bookkeeping
};

SolveReport solve(const Puzzle& start, SolveLimits limits = {});

} // namespace coilwend
