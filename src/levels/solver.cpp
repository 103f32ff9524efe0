#include "levels/solver.hpp"

#include "game/level_play.hpp"

#include <array>
#include <chrono>
#include <cstring>
#include <limits>
#include <span>

namespace coilwend {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};
constexpr std::uint32_t kUnreached = std::numeric_limits<std::uint32_t>::max();

// Positions as short byte strings: a bit per starting item still on the board,
// then per snake its length and its cells as y * width + x.
class PositionCodec {
  public:
    explicit PositionCodec(const Puzzle& start) : start_(start) {
        item_at_cell_.fill(-1);
        for (std::size_t i = 0; i < start.items.size(); ++i)
            item_at_cell_[cell(start.items[i].pos)] = static_cast<int>(i);
        item_bytes_ = (start.items.size() + 7) / 8;
    }

    void encode(const Puzzle& puzzle, std::vector<std::uint8_t>& out) const {
        out.assign(item_bytes_, 0);
        for (const Item& item : puzzle.items) {
            const int index = item_at_cell_[cell(item.pos)];
            out[index / 8] |= static_cast<std::uint8_t>(1u << (index % 8));
        }
        for (const Snake& snake : puzzle.snakes) {
            out.push_back(static_cast<std::uint8_t>(snake.cells.size()));
            for (const Pos p : snake.cells)
                out.push_back(cell(p));
        }
    }

    // Overwrites the snakes' cells and the items of a puzzle that started as a copy of the start.
    void decode(std::span<const std::uint8_t> key, Puzzle& into) const {
        into.items.clear();
        for (std::size_t i = 0; i < start_.items.size(); ++i)
            if (key[i / 8] & (1u << (i % 8)))
                into.items.push_back(start_.items[i]);
        std::size_t at = item_bytes_;
        for (Snake& snake : into.snakes) {
            const std::size_t length = key[at++];
            snake.cells.resize(length);
            for (std::size_t c = 0; c < length; ++c)
                snake.cells[c] = pos(key[at++]);
        }
        into.eaten_marks.clear();
    }

  private:
    std::uint8_t cell(Pos p) const { return static_cast<std::uint8_t>(p.y * start_.width + p.x); }
    Pos pos(std::uint8_t c) const {
        return {static_cast<std::int8_t>(c % start_.width),
                static_cast<std::int8_t>(c / start_.width)};
    }

    const Puzzle& start_;
    std::array<int, 128> item_at_cell_{};
    std::size_t item_bytes_ = 0;
};

// Every position found so far, in the order found, with an index from bytes to number.
class PositionSet {
  public:
    PositionSet() { slots_.assign(1u << 16, kEmpty); }

    std::size_t size() const { return offsets_.size() - 1; }
    std::span<const std::uint8_t> key(std::uint32_t index) const {
        return {bytes_.data() + offsets_[index], offsets_[index + 1] - offsets_[index]};
    }

    // The index of the position, and whether it is new.
    std::pair<std::uint32_t, bool> insert(const std::vector<std::uint8_t>& key) {
        if ((size() + 1) * 2 > slots_.size())
            grow();
        const std::uint64_t h = hash(key);
        for (std::size_t slot = h & (slots_.size() - 1);; slot = (slot + 1) & (slots_.size() - 1)) {
            const std::uint32_t found = slots_[slot];
            if (found == kEmpty) {
                const auto index = static_cast<std::uint32_t>(size());
                slots_[slot] = index;
                bytes_.insert(bytes_.end(), key.begin(), key.end());
                offsets_.push_back(static_cast<std::uint32_t>(bytes_.size()));
                return {index, true};
            }
            const auto existing = this->key(found);
            if (existing.size() == key.size() &&
                std::memcmp(existing.data(), key.data(), key.size()) == 0)
                return {found, false};
        }
    }

  private:
    static constexpr std::uint32_t kEmpty = std::numeric_limits<std::uint32_t>::max();

    static std::uint64_t hash(std::span<const std::uint8_t> key) {
        std::uint64_t h = 0x9E3779B97F4A7C15ull ^ key.size();
        for (const std::uint8_t b : key) {
            h ^= b;
            h *= 0x100000001B3ull;
            h ^= h >> 29;
        }
        return h * 0xBF58476D1CE4E5B9ull ^ (h >> 31);
    }

    void grow() {
        std::vector<std::uint32_t> bigger(slots_.size() * 2, kEmpty);
        for (std::uint32_t index = 0; index < size(); ++index) {
            std::size_t slot = hash(key(index)) & (bigger.size() - 1);
            while (bigger[slot] != kEmpty)
                slot = (slot + 1) & (bigger.size() - 1);
            bigger[slot] = index;
        }
        slots_.swap(bigger);
    }

    std::vector<std::uint8_t> bytes_;
    std::vector<std::uint32_t> offsets_{0};
    std::vector<std::uint32_t> slots_;
};

// A move packed in a byte: snake index, front flag, direction.
std::uint8_t pack_move(std::size_t snake, bool front, std::size_t direction) {
    return static_cast<std::uint8_t>(snake << 3 | (front ? 4u : 0u) | direction);
}
SolverMove unpack_move(std::uint8_t code) {
    return {static_cast<std::size_t>(code >> 3), (code & 4) != 0, kDirections[code & 3]};
}

struct Graph {
    std::vector<std::uint32_t> edge_start{0}; // per position, into targets and codes
    std::vector<std::uint32_t> targets;
    std::vector<std::uint8_t> codes;
    std::vector<bool> complete;
};

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

SolveReport solve(const Puzzle& start, SolveLimits limits) {
    const auto began = std::chrono::steady_clock::now();
    SolveReport report;
    const PositionCodec codec(start);
    PositionSet positions;
    Graph graph;
    std::vector<std::uint8_t> key;
    codec.encode(start, key);
    positions.insert(key);
    graph.complete.push_back(is_complete(start));

    Puzzle work = start;
    for (std::uint32_t index = 0; index < positions.size(); ++index) {
        if (!graph.complete[index]) {
            codec.decode(positions.key(index), work);
            for (std::size_t s = 0; s < work.snakes.size(); ++s) {
                const Snake& snake = work.snakes[s];
                if (snake.cells.empty())
                    continue;
                for (const bool front : {false, true}) {
                    if (front && !snake.two_headed)
                        continue;
                    const Pos lead = leading_cell(snake, front);
                    for (std::size_t d = 0; d < kDirections.size(); ++d) {
                        // can_move first: blocked steps are most of them and cost no copy.
                        if (!can_move(work, step(lead, kDirections[d]), s, front))
                            continue;
                        const auto moved = apply_move(work, s, front, kDirections[d]);
                        codec.encode(moved->puzzle, key);
                        const auto [target, fresh] = positions.insert(key);
                        if (fresh)
                            graph.complete.push_back(is_complete(moved->puzzle));
                        graph.targets.push_back(target);
                        graph.codes.push_back(pack_move(s, front, d));
                    }
                }
            }
        }
        graph.edge_start.push_back(static_cast<std::uint32_t>(graph.targets.size()));
        if (positions.size() > limits.max_positions) {
            report.gave_up = true;
            break;
        }
    }
    const std::size_t expanded = graph.edge_start.size() - 1;
    report.reachable = positions.size();

    // Distances to the nearest finished position, walking the edges backwards.
    std::vector<std::uint32_t> in_start(positions.size() + 1, 0);
    for (const std::uint32_t t : graph.targets)
        ++in_start[t + 1];
    for (std::size_t i = 1; i < in_start.size(); ++i)
        in_start[i] += in_start[i - 1];
    std::vector<std::uint32_t> sources(graph.targets.size());
    {
        std::vector<std::uint32_t> fill(in_start.begin(), in_start.end() - 1);
        for (std::uint32_t from = 0; from < expanded; ++from)
            for (std::uint32_t e = graph.edge_start[from]; e < graph.edge_start[from + 1]; ++e)
                sources[fill[graph.targets[e]]++] = from;
    }
    std::vector<std::uint32_t> to_goal(positions.size(), kUnreached);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t i = 0; i < positions.size(); ++i)
        if (graph.complete[i]) {
            to_goal[i] = 0;
            queue.push_back(i);
        }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t at = queue[head];
        for (std::uint32_t e = in_start[at]; e < in_start[at + 1]; ++e)
            if (to_goal[sources[e]] == kUnreached) {
                to_goal[sources[e]] = to_goal[at] + 1;
                queue.push_back(sources[e]);
            }
    }
    if (!report.gave_up)
        for (const std::uint32_t d : to_goal)
            report.dead += d == kUnreached ? 1 : 0;
    for (std::uint32_t e = graph.edge_start[0]; e < graph.edge_start[1]; ++e) {
        ++report.first_moves;
        report.first_moves_dead += to_goal[graph.targets[e]] == kUnreached ? 1 : 0;
    }

    report.solvable = to_goal[0] != kUnreached;
    if (report.solvable) {
        // Walk down the distances; among equally short moves take the one
        // needing the fewest presses of the cycle command.
        std::optional<Selection> selected;
        for (std::size_t s = 0; s < start.snakes.size() && !selected; ++s)
            if (!start.snakes[s].companion && !start.snakes[s].cells.empty())
                selected = Selection{s, false};
        std::uint32_t at = 0;
        while (to_goal[at] > 0) {
            codec.decode(positions.key(at), work);
            std::uint32_t best_edge = 0;
            std::size_t best_cost = std::numeric_limits<std::size_t>::max();
            for (std::uint32_t e = graph.edge_start[at]; e < graph.edge_start[at + 1]; ++e) {
                if (to_goal[graph.targets[e]] + 1 != to_goal[at])
                    continue;
                const SolverMove m = unpack_move(graph.codes[e]);
                const std::size_t cost = cycles_needed(work, selected, {m.snake, m.front});
                if (cost < best_cost) {
                    best_cost = cost;
                    best_edge = e;
                }
            }
            bool trap = false;
            for (std::uint32_t e = graph.edge_start[at]; e < graph.edge_start[at + 1]; ++e)
                trap = trap || to_goal[graph.targets[e]] == kUnreached;
            report.traps_on_path += trap ? 1 : 0;
            const SolverMove m = unpack_move(graph.codes[best_edge]);
            report.moves.push_back(m);
            at = graph.targets[best_edge];
            codec.decode(positions.key(at), work);
            selected = work.snakes[m.snake].cells.empty()
                           ? std::nullopt
                           : std::optional<Selection>({m.snake, m.front});
        }
    }
    report.seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    return report;
}

} // namespace coilwend
