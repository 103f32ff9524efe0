#pragma once
// Puzzles made backwards: start from the finished position a designer draws
// and pull the snakes back along the way they would have come. Every start
// found this way is checked by the solver; the walk only proposes.

#include "board_mutation.hpp"

#include "game/puzzle.hpp"

#include <random>
#include <vector>

namespace coilwend::heads_lab {

// One step backwards in time: a one-headed snake is pulled back by its tail
// (the reverse of a step of its head); a two-headed snake may move either
// end. Items stay where they are and are never eaten on the way back. The
// board is returned unchanged when no snake can move.
Puzzle step_back(const Puzzle& puzzle, std::mt19937_64& rng);

// Walks backwards from `finish` again and again, scoring the start reached
// every few steps, and keeps the best distinct valid starts.
std::vector<Candidate> scramble(const Puzzle& finish, const Goals& goals, const SearchRun& run,
                                std::size_t walk, const OnBest& on_best = {});

} // namespace coilwend::heads_lab
