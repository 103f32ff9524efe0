#include "commands.hpp"
#include "printing.hpp"

#include <cstdio>

namespace coilwend::board_lab {

int place_targets_command(const Options& o, const std::vector<NamedBoard>& boards) {
    PlacementSearch search = o.placement;
    search.keep = o.run.keep;
    search.seed = o.run.seed;
    search.goals = o.goals;
    if (o.max_positions)
        search.limits.max_positions = *o.max_positions;
    int status = 0;
    for (const NamedBoard& board : boards) {
        const auto found = place_targets(board.puzzle, search);
        for (std::size_t i = 0; i < found.size(); ++i)
            print_proposal(board.name, i + 1, found[i]);
        status |= found.empty() ? 1 : 0;
    }
    return status;
}

int rank_command(const Options& o, const std::vector<NamedBoard>& boards) {
    std::vector<Puzzle> puzzles;
    for (const NamedBoard& board : boards)
        puzzles.push_back(board.puzzle);
    const SolveLimits limits{o.max_positions.value_or(PlacementSearch{}.limits.max_positions)};
    const auto found =
        rank_boards(puzzles, o.goals, limits, o.run.keep, [](std::size_t done, std::size_t all) {
            std::fprintf(stderr, "%zu of %zu boards solved\r", done, all);
        });
    std::printf("%zu boards read\n\n", boards.size());
    for (std::size_t i = 0; i < found.size(); ++i)
        print_proposal(found[i].puzzle.name, i + 1, found[i]);
    return found.empty() ? 1 : 0;
}

} // namespace coilwend::board_lab
