#pragma once
// Hints: the next move of a shortest solution from wherever the player
// stands, or, in a dead end, how many undos lead back to a position that can
// still be finished. The graph of a level's positions is built once, on a
// worker thread, when the level starts; every hint after that is a lookup.

#include "game/puzzle.hpp"
#include "levels/position_graph.hpp"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <thread>

namespace coilwend {

struct Hint {
    enum class Kind : std::uint8_t {
        Move,     // `move` is the first step of a shortest solution
        Dead,     // the level cannot be finished from here; `undos` lead back
        Finished, // nothing left to do
        Unknown,  // the position is not in the graph (still being built, or too large)
    };
    Kind kind = Kind::Unknown;
    SolverMove move;
    std::size_t undos = 0;
};

// Of the moves from `position` that bring the finish one move nearer, the one
// needing the fewest presses of the cycle command from `selected`. `puzzle`
// is the position itself. None in a finished or dead position.
std::optional<PositionEdge> best_step(const PositionGraph& graph, std::uint32_t position,
                                      const Puzzle& puzzle,
                                      const std::optional<Selection>& selected);

// The hint for the last entry of `history` (never empty).
Hint hint_for(const PositionGraph& graph, std::span<const HistoryEntry> history,
              const std::optional<Selection>& selected);

// Builds the graph of one level on a thread of its own; dropping it stops the
// search and waits for the thread.
class HintSearch {
  public:
    // Far beyond any level of the catalogue (the largest reaches 158,058).
    static constexpr std::size_t kMaxPositions = 2'000'000;

    explicit HintSearch(const Puzzle& start);
    ~HintSearch();
    HintSearch(const HintSearch&) = delete;
    HintSearch& operator=(const HintSearch&) = delete;

    // The finished graph; null while the search runs.
    const PositionGraph* graph() const;
    // Blocks until the search is over (for tests and tools).
    const PositionGraph& wait();
    double seconds() const { return seconds_; }

  private:
    std::atomic<bool> stop_{false};
    std::atomic<bool> done_{false};
    std::unique_ptr<PositionGraph> graph_;
    double seconds_ = 0;
    std::thread worker_;
};

} // namespace coilwend
