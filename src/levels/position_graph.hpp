#pragma once
// Every position a level can reach from its start, the moves between them and
// each position's distance to the nearest finished one, found breadth-first
// with the rules library itself. A position is the snakes' cells and the items
// left; the selection is not part of it (the player may change it freely) and
// eaten marks take no part in the rules. A finished position accepts no more
// moves. The solver reads its figures off this graph, and a hint is a lookup
// in it.

#include "game/geometry.hpp"
#include "game/puzzle.hpp"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <span>
#include <vector>

namespace coilwend {

// One step of one snake end.
struct SolverMove {
    std::size_t snake = 0;
    bool front = false;
    Direction direction;
    friend bool operator==(const SolverMove&, const SolverMove&) = default;
};

// The distance of a position from which the level can no longer be finished.
inline constexpr std::uint32_t kNoFinish = std::numeric_limits<std::uint32_t>::max();

struct PositionEdge {
    std::uint32_t target = 0;
    SolverMove move;
};

class PositionGraph {
  public:
    // Explores up to `max_positions` positions; `stop`, when given and set,
    // abandons the search between two positions. Either way gave_up() tells.
    explicit PositionGraph(const Puzzle& start, std::size_t max_positions = 8'000'000,
                           const std::atomic<bool>* stop = nullptr);

    std::size_t size() const { return offsets_.size() - 1; }
    bool gave_up() const { return gave_up_; }
    // Positions whose moves were all followed (all of them unless it gave up).
    std::size_t expanded() const { return edge_start_.size() - 1; }

    // The number of a position, none when it is not reachable from the start.
    std::optional<std::uint32_t> find(const Puzzle& puzzle) const;
    // Moves to the nearest finished position; kNoFinish when there is none.
    std::uint32_t distance(std::uint32_t position) const { return to_goal_[position]; }
    bool complete(std::uint32_t position) const { return complete_[position]; }
    std::vector<PositionEdge> edges(std::uint32_t position) const;
    // Writes the position's snakes and items into a puzzle that started as a
    // copy of the level's start.
    void decode(std::uint32_t position, Puzzle& into) const;

  private:
    std::span<const std::uint8_t> key(std::uint32_t index) const;
    void encode(const Puzzle& puzzle, std::vector<std::uint8_t>& out) const;
    std::pair<std::uint32_t, bool> insert(const std::vector<std::uint8_t>& key);
    std::optional<std::uint32_t> look_up(std::span<const std::uint8_t> key) const;
    void grow();
    void explore(const Puzzle& start, std::size_t max_positions, const std::atomic<bool>* stop);
    void measure_distances();

    // The codec: which starting item sits on which cell, and the board width.
    std::vector<Item> start_items_;
    std::vector<int> item_at_cell_;
    std::size_t item_bytes_ = 0;
    std::uint8_t width_ = 1;

    // The positions in the order found, and an open-addressing index of them.
    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> offsets_{0};
    std::vector<std::uint32_t> slots_;

    // Edges: per expanded position, a range of targets and packed moves.
    std::vector<std::uint32_t> edge_start_{0};
    std::vector<std::uint32_t> targets_;
    std::vector<std::uint8_t> codes_;
    std::vector<bool> complete_;
    std::vector<std::uint32_t> to_goal_;
    bool gave_up_ = false;
};

} // namespace coilwend
