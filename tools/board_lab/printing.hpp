#pragma once
// How the lab shows boards, solutions and proposals. Proposals are printed as
// drafts ("= Name" and a picture, figures as "//" notes), so a file of them
// can be read back by any subcommand.

#include "board_lab/score.hpp"

#include <string>
#include <string_view>

namespace coilwend::board_lab {

// The solver's figures on one line.
std::string figures(const SolveReport& report);

// The board's name and size, its picture, its figures and a shortest solution.
void print_board(std::string_view name, const Puzzle& puzzle, const SolveReport& report);

void print_proposal(std::string_view name, std::size_t rank, const Scored& proposal);

// A search's progress on standard error, so a long run shows what it has found so far.
void print_progress(const Scored& best);

// Every position of the solution, side by side, a few to a row.
void print_trace(const Puzzle& start, const std::vector<SolverMove>& moves);

} // namespace coilwend::board_lab
