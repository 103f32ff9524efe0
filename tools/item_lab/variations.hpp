#pragma once
// Small changes to a hand-made board, kept when the solver likes the result
// better: a designer sketches the idea, the search tunes walls, items, exit
// and snakes around it, and the designer judges every proposal again.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstdint>
#include <random>
#include <vector>

namespace coilwend {

enum class ItemsMustMatter : std::uint8_t { No, Yes };
enum class WaterMayChange : std::uint8_t { No, Yes };
enum class KindsMayChange : std::uint8_t { No, Yes };
enum class WallsMayChange : std::uint8_t { No, Yes };
// Whether the shortest solution eats every item, none of them, or any number.
enum class SolutionEatsAll : std::uint8_t { No, Yes, Nothing };

struct VariationGoals {
    std::size_t min_moves = 1;
    std::size_t max_moves = 60;
    std::size_t max_walls = 20;
    ItemsMustMatter items_must_matter = ItemsMustMatter::Yes;
    WaterMayChange water_may_change = WaterMayChange::No;
    KindsMayChange kinds_may_change = KindsMayChange::Yes;
    WallsMayChange walls_may_change = WallsMayChange::Yes;
    SolutionEatsAll solution_eats_all = SolutionEatsAll::No;
    // Snakes that must eat at least one item in the shortest solution.
    std::vector<std::size_t> eaters;
    // Snakes that must have left the board by the end of the shortest solution.
    std::vector<std::size_t> vanishers;
    std::size_t max_positions = 2'000'000;
};

struct VariationRun {
    std::uint64_t seed = 1;
    std::size_t restarts = 4; // each from the starting board
    std::size_t steps = 300;  // per restart
    std::size_t keep = 5;
};

struct Proposal {
    Puzzle puzzle;
    SolveReport report;
    double score = 0;
};

// The starting board is never changed in size, snake count, snake lengths or item count.
bool keeps_invariants(const Puzzle& puzzle);
Puzzle vary(const Puzzle& from, const VariationGoals& goals, std::mt19937_64& rng);

// Higher is better; unsolvable boards and boards outside the goals score far below zero.
double proposal_score(const Puzzle& puzzle, const SolveReport& report, const VariationGoals& goals);

// The best distinct boards found, best first.
std::vector<Proposal> search_variations(const Puzzle& start, const VariationGoals& goals,
                                        const VariationRun& run);

} // namespace coilwend
