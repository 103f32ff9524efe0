#include "board_lab/wander.hpp"

#include "game/level_play.hpp"
#include "levels/position_graph.hpp"

namespace coilwend::board_lab {

WanderReport wander(const Puzzle& start, const WanderRun& run, SolveLimits limits) {
    const PositionGraph graph(start, limits.max_positions);
    WanderReport report;
    if (graph.gave_up())
        return report;
    report.measured = true;
    report.walks = run.walks;
    // Never zero, which xorshift would keep forever.
    std::uint64_t state = run.seed * 2 + 1;
    std::vector<std::vector<PositionEdge>> moves(graph.size());
    std::vector<bool> listed(graph.size(), false);
    for (std::size_t walk = 0; walk < run.walks; ++walk) {
        std::uint32_t at = 0;
        std::size_t made = 0;
        while (!graph.complete(at) && made < run.max_moves) {
            if (!listed[at]) {
                moves[at] = graph.edges(at);
                listed[at] = true;
            }
            const auto& out = moves[at];
            if (out.empty())
                break;
            at = out[xorshift64star(state) % out.size()].target;
            ++made;
        }
        if (graph.complete(at)) {
            ++report.finished;
            report.finish_moves += made;
        } else if (graph.distance(at) == kNoFinish) {
            ++report.dead;
        }
    }
    return report;
}

} // namespace coilwend::board_lab
