#pragma once
// The command line of coilwend-board-lab: one set of options shared by every
// subcommand, each subcommand reading the ones it needs.

#include "board_lab/board_changes.hpp"
#include "board_lab/random_board.hpp"
#include "board_lab/score.hpp"
#include "board_lab/search.hpp"
#include "board_lab/target_placement.hpp"
#include "board_lab/wander.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwend::board_lab {

struct Options {
    std::string command;
    std::vector<std::string> arguments; // what is not an option: files, a count
    std::string level;                  // a catalogue level instead of a file
    std::string only;                   // one draft of the file, by name
    std::uint8_t setting = 0;
    std::optional<std::size_t> max_positions;
    // measure
    bool trace = false;
    bool traps = false;
    bool ablate = false;
    bool items = false;
    bool prune = false;
    std::size_t tune = 0;
    std::optional<WanderRun> wander; // --wander N [--walks K]
    // search, scramble, place-targets and rank
    Cast cast;
    ChangeRules rules;
    ScoreGoals goals;
    SearchRun run;
    std::size_t walk = 0;
    PlacementSearch placement;
};

// Empty, after saying what is wrong on standard error, when the command line
// cannot be read.
std::optional<Options> read_options(int argc, char** argv);

extern const char* const kUsage;

} // namespace coilwend::board_lab
