#pragma once
// Following a solution move by move: the positions it passes, the traps a
// player meets on the way and the items it eats.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstddef>
#include <vector>

namespace coilwend::board_lab {

// Every position of a move sequence, the start first. A sequence that stops
// being legal, or names a snake that has left the board, ends where it stopped.
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

struct EatenOnTheWay {
    std::size_t move = 0; // index into the sequence of the move that ate it
    std::size_t snake = 0;
    Item item;
    bool vanished = false; // the snake had no cells left afterwards
};
// The items eaten along a move sequence, in order.
std::vector<EatenOnTheWay> items_eaten(const Puzzle& start, const std::vector<SolverMove>& moves);

} // namespace coilwend::board_lab
