#pragma once
// The solver: a shortest solution of a level and the figures that tell how
// hard it is, read off the graph of every position the level can reach.

#include "game/puzzle.hpp"
#include "levels/position_graph.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace coilwend {

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
