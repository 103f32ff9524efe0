// coilwend-board-lab: the level designer's workbench for draft boards.
//
//   coilwend-board-lab measure FILE|--level ID [--trace] [--traps] [--ablate] [--items]
//                      [--prune] [--tune N]
//       the solver's figures and a shortest solution; how often two-headed snakes
//       change their leading end and the best one-headed variant; the positions along
//       the solution, the traps met on the way, each piece's effect when taken away,
//       the items eaten, the draft without what it does not need, the best boards
//       one edit away
//   coilwend-board-lab search [FILE|--level ID | --size WxH --snake LEN ...] [changes]
//                      [goals] [--restarts N --steps N --keep N --seed N] [--prune]
//       proposals by annealing from each board, or from random boards of a cast
//   coilwend-board-lab scramble FILE --walk N [goals] [run]
//       starts found by walking backwards from each finished position drawn
//   coilwend-board-lab place-targets N FILE [--move-exit] [--tries N] [goals]
//   coilwend-board-lab rank FILE [goals]
//       target layouts, and the best of many drawn boards
//
// FILE holds drafts ("= Name" and a picture) or bare pictures; "-" is
// standard input. Every proposal is printed as a draft a designer still plays
// and judges; run without arguments for every option.

#include "commands.hpp"

#include "board_lab/board_file.hpp"
#include "levels/catalogue.hpp"

#include <charconv>
#include <iostream>
#include <map>

using namespace coilwend;
using namespace coilwend::board_lab;

namespace {

int usage() {
    std::cerr << kUsage;
    return 2;
}

// The boards named on the command line; faults counts the drafts that did not parse.
std::vector<NamedBoard> load_boards(const Options& o, const std::string& file, int& faults) {
    if (!o.level.empty()) {
        const Level& level = find_level(o.level);
        return {{std::string(level.id), level.puzzle}};
    }
    if (file.empty())
        return {};
    const auto contents = read_board_file(file);
    if (!contents) {
        std::cerr << "cannot read " << file << '\n';
        ++faults;
        return {};
    }
    std::vector<NamedBoard> boards;
    for (const Draft& draft : split_drafts(*contents)) {
        if (!o.only.empty() && draft.name != o.only)
            continue;
        std::string error;
        if (auto puzzle = parse_draft(draft, o.setting, file, error))
            boards.push_back({draft.name, std::move(*puzzle)});
        else {
            std::cerr << error << '\n';
            ++faults;
        }
    }
    return boards;
}

} // namespace

int main(int argc, char** argv) {
    auto options = read_options(argc, argv);
    if (!options)
        return usage();
    Options& o = *options;
    using Command = int (*)(const Options&, const std::vector<NamedBoard>&);
    const std::map<std::string, Command> commands{{"measure", measure_command},
                                                  {"search", search_command},
                                                  {"scramble", scramble_command},
                                                  {"place-targets", place_targets_command},
                                                  {"rank", rank_command}};
    const auto command = commands.find(o.command);
    if (command == commands.end())
        return usage();
    // place-targets N FILE: the count comes first.
    if (o.command == "place-targets") {
        if (o.arguments.empty())
            return usage();
        const std::string& count = o.arguments.front();
        const auto [end, fault] =
            std::from_chars(count.data(), count.data() + count.size(), o.placement.count);
        if (fault != std::errc{} || end != count.data() + count.size())
            return usage();
        o.arguments.erase(o.arguments.begin());
    }
    if (o.arguments.size() > 1)
        return usage();
    int faults = 0;
    const auto boards = load_boards(o, o.arguments.empty() ? "" : o.arguments[0], faults);
    const bool cast_only = o.command == "search" && !o.cast.snakes.empty();
    if (boards.empty() && !cast_only)
        return faults ? 1 : usage();
    const int status = command->second(o, boards);
    return faults ? 1 : status;
}
