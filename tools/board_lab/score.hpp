#pragma once
// One scorer for every search of the lab: how much of a puzzle the solver
// says a board is, and the designer's goals for the mechanic at hand, each an
// option. Higher is better; boards the solver cannot finish score far below
// every solvable one.

#include "game/puzzle.hpp"
#include "levels/solver.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace coilwend::board_lab {

// Whether the shortest solution should eat every item, none, or any number.
enum class EatGoal { Any, All, None };

struct ScoreGoals {
    std::size_t min_moves = 1;
    std::size_t max_moves = 60;
    bool boxed_in = false;       // the player cannot move before a companion does
    bool helping = false;        // the player must move between the companions' moves
    bool need_heads = false;     // no two-headed snake could do as well with one head
    bool water_matters = false;  // the water lengthens the solution over the dry board
    bool targets_matter = false; // the targets lengthen the solution
    bool items_matter = false;   // taking any item away changes the puzzle
    EatGoal eat = EatGoal::Any;
    std::vector<std::size_t> eaters{};    // snakes that must eat at least one item
    std::vector<std::size_t> vanishers{}; // snakes that must have left the board by the end
};

// The solver's figures alone: a length inside the goals, traps from the first
// move on and along the way, both heads used, turns handed between snakes, no
// idle snake, few walls and a small space of positions. Too big to search
// scores lowest, but higher with every wall, so a search from an open board
// drifts toward tighter ones.
double base_score(const Puzzle& puzzle, const SolveReport& report, const ScoreGoals& goals);

// What water adds: a bonus for each move it lengthens the solution by, a cost
// when the dry board is solved as fast. A dry search cut short says nothing.
double water_gain(const SolveReport& wet, const SolveReport& dry);

// What targets add: the moves they lengthen the solution by.
double target_gain(const SolveReport& with, std::size_t moves_without_targets);

struct Scored {
    Puzzle puzzle{};
    SolveReport report{};
    double score = 0;
    std::optional<std::size_t> dry_moves{};             // measured for water_matters
    std::optional<std::size_t> moves_without_targets{}; // measured for targets_matter
};

// Solves the board and scores it against every goal asked for; goals that
// need another solve (water, targets, heads, items) get it here.
Scored evaluate(const Puzzle& puzzle, const ScoreGoals& goals, SolveLimits limits);

} // namespace coilwend::board_lab
