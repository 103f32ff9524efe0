#pragma once
// Local search around a board the designer drew: small changes kept when the
// solver rates the result as more of a puzzle. It proposes; the designer
// judges every proposal.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstdint>
#include <functional>
#include <random>
#include <vector>

namespace coilwend::heads_lab {

// Which parts of the board a search may change.
struct Frozen {
    bool walls = false;
    bool water = false;
    bool exit = false;
    bool items = false;
    bool targets = false;
    bool snakes = false;
    // The exit follows the first snake's last cell, for levels that end
    // where they began: the start is unfinished only because of targets.
    bool exit_under_first_snake = false;
};

// The level-file invariants a changed board must keep: snakes inside the
// board on distinct cells off walls, companions off water, items off walls
// and snakes, the exit off walls, and not finished before the first move.
bool valid_board(const Puzzle& puzzle);

// One small change that keeps the board valid, or the board unchanged when
// none was found in a few tries.
Puzzle mutate(const Puzzle& from, const Frozen& frozen, std::mt19937_64& rng);

struct Goals {
    std::size_t min_moves = 1;
    std::size_t max_moves = 60;
    std::size_t max_positions = 400'000;
    bool need_heads = false; // punish boards whose two-headed snakes could do with one head
};

// Higher is more of a puzzle: long enough, traps from the first move on,
// both heads used, few walls. Unsolvable boards score far below every
// solvable one.
double puzzle_score(const Puzzle& puzzle, const SolveReport& report, const Goals& goals);

struct Candidate {
    Puzzle puzzle;
    SolveReport report;
    double score = 0;
};

struct SearchRun {
    std::uint64_t seed = 1;
    std::size_t restarts = 8;
    std::size_t steps = 300;
    std::size_t keep = 4;
};

// Called with every board that becomes the best one found so far.
using OnBest = std::function<void(const Candidate&)>;

// The best distinct boards found by annealing from the start board.
std::vector<Candidate> improve(const Puzzle& start, const Frozen& frozen, const Goals& goals,
                               const SearchRun& run, const OnBest& on_best = {});

} // namespace coilwend::heads_lab
