#include "board_lab/prune.hpp"

#include <algorithm>

namespace coilwend::board_lab {
namespace {

Puzzle floor_at(const Puzzle& puzzle, Pos p) {
    Puzzle out = puzzle;
    std::erase(out.walls, p);
    std::erase(out.water, p);
    return out;
}

} // namespace

Puzzle pruned(const Puzzle& draft, SolveLimits limits) {
    Puzzle current = draft;
    SolveReport measured = solve(current, limits);
    if (!measured.solvable)
        return current;
    for (bool removed = true; removed;) {
        removed = false;
        std::vector<Pos> pieces = current.walls;
        pieces.insert(pieces.end(), current.water.begin(), current.water.end());
        for (const Pos piece : pieces) {
            const Puzzle lighter = floor_at(current, piece);
            const SolveReport r = solve(lighter, limits);
            if (r.solvable && r.moves.size() >= measured.moves.size() &&
                r.traps_on_path >= measured.traps_on_path) {
                current = lighter;
                measured = r;
                removed = true;
                break;
            }
        }
    }
    return current;
}

} // namespace coilwend::board_lab
