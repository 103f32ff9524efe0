#pragma once
// Where targets make a board a puzzle. Given a drawn board, tries every way
// of adding a few targets (and, if asked, every exit cell), solves each
// result and ranks them; and measures how much each target of a finished
// board adds, so a target that changes nothing is caught.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace coilwend {

// The cells a target may be added on: every cell that is not a wall, not the
// exit and not already a target, bottom row first.
std::vector<Pos> target_candidates(const Puzzle& puzzle);

// Every way of choosing `count` of `cells`, in lexicographic order of indices.
std::vector<std::vector<Pos>> choose(const std::vector<Pos>& cells, std::size_t count);

struct TargetEffect {
    SolveReport with;                           // the board as drawn
    std::optional<std::size_t> without_targets; // shortest solution with no targets at all
    std::vector<std::optional<std::size_t>> without_each; // with one target removed, per target
};

// Solves the board as it is, without its targets, and without each target in turn.
TargetEffect measure_targets(const Puzzle& puzzle, SolveLimits limits);

struct PlacementGoals {
    std::size_t min_moves = 1;
    std::size_t max_moves = 60;
};

// Higher is more of a puzzle: a solution inside the goals, lengthened by the
// targets, with dead positions and first moves that lead into them. Boards
// that cannot be solved, that are finished at the start or that reached the
// position limit score below everything.
double placement_score(const SolveReport& with, std::size_t moves_without_targets,
                       const PlacementGoals& goals);

struct PlacementSearch {
    std::size_t count = 1;         // targets to add
    bool move_exit = false;        // also try the exit on every free cell
    std::size_t keep = 5;          // best boards reported
    std::size_t max_tries = 20000; // beyond this many layouts, a random sample of them
    std::uint64_t seed = 1;
    SolveLimits limits{400'000};
    PlacementGoals goals;
};

struct Placement {
    Puzzle puzzle;
    SolveReport report;
    std::size_t moves_without_targets = 0;
    double score = 0;
};

// The best layouts, best first; empty when none can be solved.
std::vector<Placement> place_targets(const Puzzle& base, const PlacementSearch& search);

// The best of boards drawn elsewhere (a script's variations of one idea), best
// first; boards whose positions outnumber the limit are dropped. `progress`,
// when set, hears how far the ranking has got every hundred boards.
std::vector<Placement>
rank_boards(const std::vector<Puzzle>& boards, const PlacementGoals& goals, SolveLimits limits,
            std::size_t keep,
            const std::function<void(std::size_t, std::size_t)>& progress = nullptr);

} // namespace coilwend
