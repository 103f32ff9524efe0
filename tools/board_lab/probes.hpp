#pragma once
// Questions a designer asks of a draft board: does each wall, each water cell
// and each companion matter, and which single change would make it a better
// puzzle? Every answer comes from the solver.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <string>
#include <vector>

namespace coilwend {

// A board variant, with what was changed to get it from the draft.
struct Variant {
    std::string change;
    Puzzle puzzle;
};

struct MeasuredVariant {
    Variant variant;
    SolveReport report;
};

// The draft with one piece taken away: each wall made floor, each water cell
// made floor, all water made floor, each companion removed.
std::vector<Variant> removal_variants(const Puzzle& draft);

// Every board one edit away that still keeps the catalogue's invariants: a
// cell's ground changed among floor, wall and water, the exit moved, or a
// snake made one cell longer or shorter at its tail, reversed, or moved a step.
// Which kinds of edit single_changes may make.
struct ChangeKinds {
    bool ground = true;
    bool exit = true;
    bool snakes = true;
};

std::vector<Variant> single_changes(const Puzzle& draft, ChangeKinds kinds = {});

// Whether a puzzle keeps the invariants the rules rely on, so that changed
// drafts never break them: snakes of two or more adjacent cells on the board,
// no overlap, nothing on walls, companions off water, the exit not a wall, and
// the level not already finished.
bool keeps_invariants(const Puzzle& puzzle);

// Higher is a better candidate: solvable first, then longer, then with more of
// its first moves leading into dead positions, then more dead positions.
double candidate_score(const SolveReport& report);

// The draft with every wall and water cell removed, one at a time, whose
// removal keeps the shortest solution as long and the traps along it as many:
// what is left is there for a reason.
Puzzle pruned(const Puzzle& draft, SolveLimits limits);

// Higher is a better water puzzle: many traps along the shortest solution,
// early traps and many dead positions, near the goal length, a small space of
// positions, few walls, and water that lengthens the solution compared with
// the same board dry (`dry`).
double water_score(const SolveReport& report, const SolveReport& dry, std::size_t goal_moves,
                   std::size_t walls);

} // namespace coilwend
