#pragma once
// The aimless player: random walks from the start, each move picked evenly
// among every legal move of every snake end, never undone. How often such a
// walk finishes tells whether a level gives way to moving about without a plan.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstddef>
#include <cstdint>

namespace coilwend::board_lab {

struct WanderRun {
    std::size_t walks = 10'000;
    std::size_t max_moves = 200; // a walk still going after this many moves gives up
    std::uint64_t seed = 1;
};

struct WanderReport {
    bool measured = false; // false when the position limit was reached first
    std::size_t walks = 0;
    std::size_t finished = 0;     // walks that reached a finished position in time
    std::size_t dead = 0;         // walks that ended in a position that can no longer be finished
    std::size_t finish_moves = 0; // the moves of the finished walks, summed

    double finished_share() const { return walks ? double(finished) / double(walks) : 0.0; }
    double dead_share() const { return walks ? double(dead) / double(walks) : 0.0; }
};

WanderReport wander(const Puzzle& start, const WanderRun& run, SolveLimits limits = {});

} // namespace coilwend::board_lab
