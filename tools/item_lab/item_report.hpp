#pragma once
// What the items of a board do for its puzzle: which ones a shortest solution
// eats, and how the puzzle changes when each one is taken away. A board whose
// items can all go without changing anything does not teach items at all.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace coilwend {

// Every position of a move sequence, the start first.
std::vector<Puzzle> replay(const Puzzle& start, const std::vector<SolverMove>& moves);

struct EatenOnTheWay {
    std::size_t move = 0; // index into the solution of the move that ate it
    std::size_t snake = 0;
    Item item;
    bool vanished = false; // the snake had no cells left afterwards
};

// The items eaten along a move sequence, in order.
std::vector<EatenOnTheWay> items_eaten(const Puzzle& start, const std::vector<SolverMove>& moves);

struct WithoutItem {
    Item item;
    bool solvable = false;
    std::size_t moves = 0; // shortest solution without the item, when solvable
    std::size_t dead = 0;
};

struct ItemReport {
    SolveReport solution;
    std::vector<EatenOnTheWay> eaten;
    std::vector<WithoutItem> without; // one per item of the start, in its order
};

ItemReport analyse_items(const Puzzle& start, SolveLimits limits = {});

// The item makes a difference: without it the level is unsolvable, has a
// different shortest solution length, or loses at least a tenth of its dead
// positions (an item may be there only as a trap).
bool item_matters(const SolveReport& with, const WithoutItem& without);

} // namespace coilwend
