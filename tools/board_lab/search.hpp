#pragma once
// The lab's proposal engine: annealing by small changes from a drawn board or
// from random boards of a cast, scored by one scorer, keeping the best
// distinct boards. It proposes; a designer judges every proposal.

#include "board_lab/board_changes.hpp"
#include "board_lab/random_board.hpp"
#include "board_lab/score.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace coilwend::board_lab {

struct SearchRun {
    std::uint64_t seed = 1;
    std::size_t restarts = 4;
    std::size_t steps = 300; // changes tried per restart
    std::size_t keep = 5;    // best distinct boards reported
    unsigned threads = 2;    // restarts run at once
};

// Called with every board that becomes the best one found so far.
using OnBest = std::function<void(const Scored&)>;

// Keeps the `keep` best solvable boards, best first, each board once; ties
// keep the earlier one.
void keep_best(std::vector<Scored>& best, Scored candidate, std::size_t keep);

// Every restart starts from `start` when given, else from a random board of
// `cast`.
std::vector<Scored> search_boards(const std::optional<Puzzle>& start, const Cast& cast,
                                  const ChangeRules& rules, const ScoreGoals& goals,
                                  SolveLimits limits, const SearchRun& run,
                                  const OnBest& on_best = {});

// Walks `walk` steps backwards from the drawn finish in each restart, scoring
// the start reached every few steps (run.steps of them per walk).
std::vector<Scored> scramble(const Puzzle& finish, std::size_t walk, const ScoreGoals& goals,
                             SolveLimits limits, const SearchRun& run, const OnBest& on_best = {});

} // namespace coilwend::board_lab
