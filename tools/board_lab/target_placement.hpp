#pragma once
// Where targets make a board a puzzle: every way of adding a few targets to a
// drawn board (and, if asked, every exit cell), each solved and ranked; and
// the ranking of many boards drawn elsewhere by the same measure.

#include "board_lab/score.hpp"

#include <cstdint>
#include <functional>
#include <vector>

namespace coilwend::board_lab {

// The cells a target may be added on: every cell that is not a wall, not the
// exit and not already a target, bottom row first.
std::vector<Pos> target_candidates(const Puzzle& puzzle);

// Every way of choosing `count` of `cells`, in lexicographic order of indices.
std::vector<std::vector<Pos>> choose(const std::vector<Pos>& cells, std::size_t count);

struct PlacementSearch {
    std::size_t count = 1;         // targets to add
    bool move_exit = false;        // also try the exit on every free cell
    std::size_t keep = 5;          // best boards reported
    std::size_t max_tries = 20000; // beyond this many layouts, a random sample of them
    std::uint64_t seed = 1;
    SolveLimits limits{400'000};
    ScoreGoals goals;
};

// The best layouts, best first, each scored with the targets' gain; empty
// when none can be solved.
std::vector<Scored> place_targets(const Puzzle& base, const PlacementSearch& search);

// The best of many boards, best first, scored the same way; boards whose
// positions outnumber the limit are dropped. `progress`, when set, hears how
// far the ranking has got every hundred boards.
std::vector<Scored> rank_boards(const std::vector<Puzzle>& boards, const ScoreGoals& goals,
                                SolveLimits limits, std::size_t keep,
                                const std::function<void(std::size_t, std::size_t)>& progress = {});

} // namespace coilwend::board_lab
