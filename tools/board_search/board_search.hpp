#pragma once
// Proposes candidate boards for a mechanic: random boards of a given shape,
// improved by small changes, ranked by how much of a puzzle the solver says
// they are. A designer still looks at every proposal before keeping it.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace coilwend {

struct SnakeShape {
    std::size_t length = 3;
    bool companion = false;
    bool two_headed = false;
};

struct SearchShape {
    std::uint8_t width = 5;
    std::uint8_t height = 4;
    std::uint8_t setting = 0;
    std::vector<SnakeShape> snakes;
    std::size_t walls = 0; // at start; changes may add or remove up to max_walls
    std::size_t max_walls = 0;
    std::size_t water = 0;
    std::size_t grow = 0;
    std::size_t shrink = 0;
    std::size_t targets = 0;
    // Fixed cells the search may not change (the final level's walls).
    std::vector<Pos> fixed_walls;
    // The final level's floor is drawn in fixed regions: keep items, targets
    // and the exit inside the regions that show them.
    bool reunion_regions = false;
    // Which kinds of change the search may make, by letter: w walls, e exit,
    // i items, a water, t targets, s snakes redrawn, m snakes moved or reversed.
    std::string changes = "weiatsm";
};

struct SearchGoals {
    std::size_t min_moves = 1;
    std::size_t max_moves = 200;
    std::size_t max_positions = 400'000;
};

struct Candidate {
    Puzzle puzzle;
    SolveReport report;
    double score = 0;
};

struct SearchRun {
    std::uint64_t seed = 1;
    std::size_t restarts = 20;
    std::size_t steps = 400; // changes tried per restart
    std::size_t keep = 5;    // best distinct boards reported
};

// Starts from `start` when given (its shape is then the board's own), else
// from random boards of `shape`.
std::vector<Candidate> search_boards(const SearchShape& shape, const SearchGoals& goals,
                                     const SearchRun& run, const std::optional<Puzzle>& start);

// Higher is a better puzzle: long, with traps early and along the way.
double puzzle_score(const Puzzle& puzzle, const SolveReport& report, const SearchGoals& goals);

} // namespace coilwend
