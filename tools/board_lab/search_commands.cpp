#include "commands.hpp"
#include "printing.hpp"

#include "board_lab/prune.hpp"
#include "board_lab/search.hpp"

#include <iostream>

namespace coilwend::board_lab {
namespace {

constexpr std::size_t kSearchPositions = 400'000;

int print_proposals(std::string_view name, const std::vector<Scored>& found) {
    for (std::size_t i = 0; i < found.size(); ++i)
        print_proposal(name, i + 1, found[i]);
    return found.empty() ? 1 : 0;
}

} // namespace

int search_command(const Options& o, const std::vector<NamedBoard>& boards) {
    const SolveLimits limits{o.max_positions.value_or(kSearchPositions)};
    auto proposals = [&](const std::optional<Puzzle>& start) {
        auto found = search_boards(start, o.cast, o.rules, o.goals, limits, o.run, print_progress);
        if (o.prune)
            for (Scored& s : found)
                s = evaluate(pruned(s.puzzle, limits), o.goals, limits);
        return found;
    };
    if (boards.empty())
        return print_proposals("Candidate", proposals(std::nullopt));
    int status = 0;
    for (const NamedBoard& board : boards)
        status |= print_proposals(board.name, proposals(board.puzzle));
    return status;
}

int scramble_command(const Options& o, const std::vector<NamedBoard>& boards) {
    if (o.walk == 0) {
        std::cerr << "scramble needs --walk N\n";
        return 2;
    }
    const SolveLimits limits{o.max_positions.value_or(kSearchPositions)};
    int status = 0;
    for (const NamedBoard& board : boards)
        status |= print_proposals(
            board.name, scramble(board.puzzle, o.walk, o.goals, limits, o.run, print_progress));
    return status;
}

} // namespace coilwend::board_lab
