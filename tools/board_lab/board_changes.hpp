#pragma once
// The small changes a search makes to a board, every one keeping the rules'
// invariants: which kinds it may make, every change one edit away, one
// change at random, and one step back in time.

#include "game/puzzle.hpp"

#include <cstddef>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace coilwend::board_lab {

struct ChangeRules {
    bool walls = true;
    bool water = true;
    bool exit = true;
    bool items = true;       // items move
    bool item_kinds = false; // an item turns into the other kind
    bool targets = true;     // targets move
    bool snakes = true;      // snakes are redrawn, reversed or moved
    bool lengths = false;    // a snake grows or shrinks by a cell at its first cell
    // Nothing changes but the snakes, and they only by stepping back in time
    // (step_back), so every proposal can still reach the position drawn.
    bool backwards = false;
    // The exit follows the first snake's last cell, for levels that end where
    // they began: the start is unfinished only because of its targets.
    bool exit_on_first_snake = false;
    std::size_t max_walls = std::numeric_limits<std::size_t>::max();
    std::size_t max_length = 0; // longest a change may make a snake; 0 for no limit
};

// Sets the kind named (walls, water, exit, items, kinds, targets, snakes,
// lengths, backwards) to `allowed`; false for an unknown name.
bool allow_change(ChangeRules& rules, std::string_view kind, bool allowed);

struct Variant {
    std::string change; // what was changed, for example "wall at (2,1)"
    Puzzle puzzle;
};

// Every board one edit away: a cell's ground changed among floor, wall and
// water, the exit moved, a snake reversed or moved a step, and with lengths a
// snake one cell longer or shorter.
std::vector<Variant> single_changes(const Puzzle& draft, const ChangeRules& rules = {});

// One change of a kind the rules allow, or the board unchanged when none was
// found in a few tries. Sizes, snake counts and item counts never change, and
// no item is put under a snake unless the board had one there already.
Puzzle random_change(const Puzzle& from, const ChangeRules& rules, std::mt19937_64& rng);

// One step backwards in time: a one-headed snake is pulled back by its tail
// (the reverse of a step of its head); a two-headed snake may move either
// end. Items stay where they are and are never eaten on the way back. The
// board is returned unchanged when no snake can move.
Puzzle step_back(const Puzzle& puzzle, std::mt19937_64& rng);

} // namespace coilwend::board_lab
