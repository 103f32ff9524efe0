#include "levels/position_graph.hpp"

#include "game/level_play.hpp"

#include <array>
#include <cstring>

namespace coilwend {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};
constexpr std::uint32_t kEmptySlot = std::numeric_limits<std::uint32_t>::max();

// A move packed in a byte: snake index, front flag, direction.
std::uint8_t pack_move(std::size_t snake, bool front, std::size_t direction) {
    return static_cast<std::uint8_t>(snake << 3 | (front ? 4u : 0u) | direction);
}

SolverMove unpack_move(std::uint8_t code) {
    return {static_cast<std::size_t>(code >> 3), (code & 4) != 0, kDirections[code & 3]};
}

std::uint64_t hash(std::span<const std::uint8_t> key) {
    std::uint64_t h = 0x9E3779B97F4A7C15ull ^ key.size();
    for (const std::uint8_t b : key) {
        h ^= b;
        h *= 0x100000001B3ull;
        h ^= h >> 29;
    }
    return h * 0xBF58476D1CE4E5B9ull ^ (h >> 31);
}

} // namespace

PositionGraph::PositionGraph(const Puzzle& start, std::size_t max_positions,
                             const std::atomic<bool>* stop)
    : start_items_(start.items), item_at_cell_(std::size_t(start.width) * start.height, -1),
      item_bytes_((start.items.size() + 7) / 8), width_(std::max<std::uint8_t>(start.width, 1)) {
    for (std::size_t i = 0; i < start.items.size(); ++i)
        item_at_cell_[std::size_t(start.items[i].pos.y) * width_ + start.items[i].pos.x] =
            static_cast<int>(i);
    slots_.assign(1u << 16, kEmptySlot);
    explore(start, max_positions, stop);
    measure_distances();
}

// Positions as short byte strings: a bit per starting item still on the
// board, then per snake its length and its cells as y * width + x.
void PositionGraph::encode(const Puzzle& puzzle, std::vector<std::uint8_t>& out) const {
    out.assign(item_bytes_, 0);
    for (const Item& item : puzzle.items) {
        const int index = item_at_cell_[std::size_t(item.pos.y) * width_ + item.pos.x];
        out[index / 8] |= static_cast<std::uint8_t>(1u << (index % 8));
    }
    for (const Snake& snake : puzzle.snakes) {
        out.push_back(static_cast<std::uint8_t>(snake.cells.size()));
        for (const Pos p : snake.cells)
            out.push_back(static_cast<std::uint8_t>(p.y * width_ + p.x));
    }
}

void PositionGraph::decode(std::uint32_t position, Puzzle& into) const {
    const auto bytes = key(position);
    into.items.clear();
    for (std::size_t i = 0; i < start_items_.size(); ++i)
        if (bytes[i / 8] & (1u << (i % 8)))
            into.items.push_back(start_items_[i]);
    std::size_t at = item_bytes_;
    for (Snake& snake : into.snakes) {
        const std::size_t length = bytes[at++];
        snake.cells.resize(length);
        for (std::size_t c = 0; c < length; ++c) {
            const std::uint8_t cell = bytes[at++];
            snake.cells[c] = {static_cast<std::int8_t>(cell % width_),
                              static_cast<std::int8_t>(cell / width_)};
        }
    }
    into.eaten_marks.clear();
}

std::span<const std::uint8_t> PositionGraph::key(std::uint32_t index) const {
    return {bytes_.data() + offsets_[index], offsets_[index + 1] - offsets_[index]};
}

std::optional<std::uint32_t> PositionGraph::look_up(std::span<const std::uint8_t> key) const {
    for (std::size_t slot = hash(key) & (slots_.size() - 1);;
         slot = (slot + 1) & (slots_.size() - 1)) {
        const std::uint32_t found = slots_[slot];
        if (found == kEmptySlot)
            return std::nullopt;
        const auto existing = this->key(found);
        if (existing.size() == key.size() &&
            std::memcmp(existing.data(), key.data(), key.size()) == 0)
            return found;
    }
}

std::pair<std::uint32_t, bool> PositionGraph::insert(const std::vector<std::uint8_t>& key) {
    if ((size() + 1) * 2 > slots_.size())
        grow();
    for (std::size_t slot = hash(key) & (slots_.size() - 1);;
         slot = (slot + 1) & (slots_.size() - 1)) {
        const std::uint32_t found = slots_[slot];
        if (found == kEmptySlot) {
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

void PositionGraph::grow() {
    std::vector<std::uint32_t> bigger(slots_.size() * 2, kEmptySlot);
    for (std::uint32_t index = 0; index < size(); ++index) {
        std::size_t slot = hash(key(index)) & (bigger.size() - 1);
        while (bigger[slot] != kEmptySlot)
            slot = (slot + 1) & (bigger.size() - 1);
        bigger[slot] = index;
    }
    slots_.swap(bigger);
}

std::optional<std::uint32_t> PositionGraph::find(const Puzzle& puzzle) const {
    // A puzzle of another level (another number of snakes or items) is not here.
    if (puzzle.width != width_ || puzzle.items.size() > start_items_.size())
        return std::nullopt;
    for (const Item& item : puzzle.items) {
        const std::size_t cell = std::size_t(item.pos.y) * width_ + item.pos.x;
        if (!on_board(puzzle, item.pos) || cell >= item_at_cell_.size() || item_at_cell_[cell] < 0)
            return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    encode(puzzle, bytes);
    return look_up(bytes);
}

std::vector<PositionEdge> PositionGraph::edges(std::uint32_t position) const {
    std::vector<PositionEdge> out;
    if (position >= expanded())
        return out;
    for (std::uint32_t e = edge_start_[position]; e < edge_start_[position + 1]; ++e)
        out.push_back({targets_[e], unpack_move(codes_[e])});
    return out;
}

void PositionGraph::explore(const Puzzle& start, std::size_t max_positions,
                            const std::atomic<bool>* stop) {
    std::vector<std::uint8_t> bytes;
    encode(start, bytes);
    insert(bytes);
    complete_.push_back(is_complete(start));

    Puzzle work = start;
    for (std::uint32_t index = 0; index < size(); ++index) {
        if (stop != nullptr && stop->load(std::memory_order_relaxed)) {
            gave_up_ = true;
            return;
        }
        if (!complete_[index]) {
            decode(index, work);
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
                        encode(moved->puzzle, bytes);
                        const auto [target, fresh] = insert(bytes);
                        if (fresh)
                            complete_.push_back(is_complete(moved->puzzle));
                        targets_.push_back(target);
                        codes_.push_back(pack_move(s, front, d));
                    }
                }
            }
        }
        edge_start_.push_back(static_cast<std::uint32_t>(targets_.size()));
        if (size() > max_positions) {
            gave_up_ = true;
            return;
        }
    }
}

// Distances to the nearest finished position, walking the edges backwards.
void PositionGraph::measure_distances() {
    std::vector<std::uint32_t> in_start(size() + 1, 0);
    for (const std::uint32_t t : targets_)
        ++in_start[t + 1];
    for (std::size_t i = 1; i < in_start.size(); ++i)
        in_start[i] += in_start[i - 1];
    std::vector<std::uint32_t> sources(targets_.size());
    {
        std::vector<std::uint32_t> fill(in_start.begin(), in_start.end() - 1);
        for (std::uint32_t from = 0; from < expanded(); ++from)
            for (std::uint32_t e = edge_start_[from]; e < edge_start_[from + 1]; ++e)
                sources[fill[targets_[e]]++] = from;
    }
    to_goal_.assign(size(), kNoFinish);
    std::vector<std::uint32_t> queue;
    for (std::uint32_t i = 0; i < size(); ++i)
        if (complete_[i]) {
            to_goal_[i] = 0;
            queue.push_back(i);
        }
    for (std::size_t head = 0; head < queue.size(); ++head) {
        const std::uint32_t at = queue[head];
        for (std::uint32_t e = in_start[at]; e < in_start[at + 1]; ++e)
            if (to_goal_[sources[e]] == kNoFinish) {
                to_goal_[sources[e]] = to_goal_[at] + 1;
                queue.push_back(sources[e]);
            }
    }
}

} // namespace coilwend
