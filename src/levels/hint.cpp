#include "levels/hint.hpp"

#include "game/level_play.hpp"

#include <chrono>
#include <limits>
#include <sys/resource.h>

namespace coilwend {
namespace {

constexpr int kWorkerNiceness = 10;

// Press count of the cycle command to get from one selected end to another.
std::size_t cycles_needed(const Puzzle& puzzle, const std::optional<Selection>& from,
                          const Selection& to) {
    const std::vector<Selection> ends = selectable_ends(puzzle);
    std::size_t target = 0;
    while (target < ends.size() && !(ends[target] == to))
        ++target;
    if (!from)
        return target + 1;
    std::size_t current = 0;
    while (current < ends.size() && !(ends[current] == *from))
        ++current;
    if (current == ends.size())
        return target + 1;
    return (target + ends.size() - current) % ends.size();
}

} // namespace

std::optional<PositionEdge> best_step(const PositionGraph& graph, std::uint32_t position,
                                      const Puzzle& puzzle,
                                      const std::optional<Selection>& selected) {
    const std::uint32_t distance = graph.distance(position);
    if (distance == 0 || distance == kNoFinish)
        return std::nullopt;
    std::optional<PositionEdge> best;
    std::size_t best_cost = std::numeric_limits<std::size_t>::max();
    for (const PositionEdge& edge : graph.edges(position)) {
        if (graph.distance(edge.target) + 1 != distance)
            continue;
        const std::size_t cost =
            cycles_needed(puzzle, selected, {edge.move.snake, edge.move.front});
        if (cost < best_cost) {
            best_cost = cost;
            best = edge;
        }
    }
    return best;
}

Hint hint_for(const PositionGraph& graph, std::span<const HistoryEntry> history,
              const std::optional<Selection>& selected) {
    const Puzzle& current = history.back().puzzle;
    if (is_complete(current))
        return {Hint::Kind::Finished, {}, 0};
    const auto position = graph.find(current);
    if (!position)
        return {Hint::Kind::Unknown, {}, 0};
    if (graph.distance(*position) != kNoFinish) {
        const auto step = best_step(graph, *position, current, selected);
        if (!step)
            return {Hint::Kind::Unknown, {}, 0};
        return {Hint::Kind::Move, step->move, 0};
    }
    // Walk back through the history to the latest position that still leads out.
    for (std::size_t undos = 1; undos < history.size(); ++undos) {
        const auto earlier = graph.find(history[history.size() - 1 - undos].puzzle);
        if (earlier && graph.distance(*earlier) != kNoFinish)
            return {Hint::Kind::Dead, {}, undos};
    }
    return {Hint::Kind::Dead, {}, 0};
}

HintSearch::HintSearch(const Puzzle& start)
    : worker_([this, start] {
          // Below the frame's threads: on Linux this lowers only the calling
          // thread, so the search takes what the drawing leaves over.
          setpriority(PRIO_PROCESS, 0, kWorkerNiceness);
          const auto began = std::chrono::steady_clock::now();
          graph_ = std::make_unique<PositionGraph>(start, kMaxPositions, &stop_);
          seconds_ =
              std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
          done_.store(true, std::memory_order_release);
      }) {}

HintSearch::~HintSearch() {
    stop_.store(true, std::memory_order_relaxed);
    if (worker_.joinable())
        worker_.join();
}

const PositionGraph* HintSearch::graph() const {
    return done_.load(std::memory_order_acquire) ? graph_.get() : nullptr;
}

const PositionGraph& HintSearch::wait() {
    if (worker_.joinable())
        worker_.join();
    return *graph_;
}

} // namespace coilwend
