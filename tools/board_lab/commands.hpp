#pragma once
// The subcommands of coilwend-board-lab, each given the boards it works on.

#include "options.hpp"

#include <string>
#include <vector>

namespace coilwend::board_lab {

struct NamedBoard {
    std::string name;
    Puzzle puzzle;
};

// Each returns the program's exit status.
int measure_command(const Options& options, const std::vector<NamedBoard>& boards);
int search_command(const Options& options, const std::vector<NamedBoard>& boards);
int scramble_command(const Options& options, const std::vector<NamedBoard>& boards);
int place_targets_command(const Options& options, const std::vector<NamedBoard>& boards);
int rank_command(const Options& options, const std::vector<NamedBoard>& boards);

} // namespace coilwend::board_lab
