#pragma once
// Does each piece of a board matter? The board re-solved without each wall,
// water cell, item and target, without all its water and all its targets,
// without each snake, and with each two-headed snake fixed to one head. A
// piece whose removal changes nothing is a candidate for the eraser.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <string>
#include <vector>

namespace coilwend::board_lab {

enum class PieceKind { Wall, Water, AllWater, Item, Target, AllTargets, Snake, OneHead };

struct Removal {
    PieceKind kind;
    std::string piece; // for example "wall (3, 1)" or "one head for A, first cell leading"
    Puzzle puzzle;     // the board without it
};

// A snake is only taken away while another snake the player owns remains;
// "all water" and "all targets" only when there are two or more.
std::vector<Removal> removals(const Puzzle& board);

struct Ablation {
    PieceKind kind;
    std::string piece;
    bool finished_at_start = false; // removing it finishes the level outright
    SolveReport report;             // empty when finished at the start
};

std::vector<Ablation> ablate(const Puzzle& board, SolveLimits limits, unsigned threads = 2);
// The same, for the removals of one kind only.
std::vector<Ablation> ablate(const Puzzle& board, PieceKind kind, SolveLimits limits,
                             unsigned threads = 2);

// The piece makes a difference: without it the level is unsolvable (or
// solvable where it was not), has a different shortest solution length, or
// loses at least a tenth of its dead positions (a piece may be there only as
// a trap).
bool piece_matters(const SolveReport& with, const SolveReport& without);

} // namespace coilwend::board_lab
