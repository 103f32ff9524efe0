#include "levels/solver.hpp"

#include "levels/hint.hpp"

#include <chrono>
#include <limits>

namespace coilwend {

SolveReport solve(const Puzzle& start, SolveLimits limits) {
    const auto began = std::chrono::steady_clock::now();
    SolveReport report;
    const PositionGraph graph(start, limits.max_positions);
    report.gave_up = graph.gave_up();
    report.reachable = graph.size();
    if (!report.gave_up)
        for (std::uint32_t i = 0; i < graph.size(); ++i)
            report.dead += graph.distance(i) == kNoFinish ? 1 : 0;
    for (const PositionEdge& edge : graph.edges(0)) {
        ++report.first_moves;
        report.first_moves_dead += graph.distance(edge.target) == kNoFinish ? 1 : 0;
    }

    report.solvable = graph.distance(0) != kNoFinish;
    if (report.solvable) {
        // Walk down the distances; among equally short moves take the one
        // needing the fewest presses of the cycle command.
        std::optional<Selection> selected;
        for (std::size_t s = 0; s < start.snakes.size() && !selected; ++s)
            if (!start.snakes[s].companion && !start.snakes[s].cells.empty())
                selected = Selection{s, false};
        Puzzle work = start;
        std::uint32_t at = 0;
        while (graph.distance(at) > 0) {
            graph.decode(at, work);
            bool trap = false;
            for (const PositionEdge& edge : graph.edges(at))
                trap = trap || graph.distance(edge.target) == kNoFinish;
            report.traps_on_path += trap ? 1 : 0;
            const std::optional<PositionEdge> best = best_step(graph, at, work, selected);
            report.moves.push_back(best->move);
            at = best->target;
            graph.decode(at, work);
            selected = work.snakes[best->move.snake].cells.empty()
                           ? std::nullopt
                           : std::optional<Selection>({best->move.snake, best->move.front});
        }
    }
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return report;
}

} // namespace coilwend
