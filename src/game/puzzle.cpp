#include "game/puzzle.hpp"

#include "game/log.hpp"

#include <algorithm>

namespace coilwend {

namespace {
bool contains(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}
} // namespace

bool on_board(const Puzzle& puzzle, Pos p) {
    return p.x >= 0 && p.x < static_cast<int>(puzzle.width) && p.y >= 0 &&
           p.y < static_cast<int>(puzzle.height);
}

bool is_wall(const Puzzle& puzzle, Pos p) {
    return contains(puzzle.walls, p);
}
bool is_water(const Puzzle& puzzle, Pos p) {
    return contains(puzzle.water, p);
}
bool is_target(const Puzzle& puzzle, Pos p) {
    return contains(puzzle.targets, p);
}

const Item* item_at(const Puzzle& puzzle, Pos p) {
    for (const Item& item : puzzle.items)
        if (item.pos == p)
            return &item;
    return nullptr;
}

bool is_free(const Puzzle& puzzle, Pos p) {
    for (const Snake& snake : puzzle.snakes)
        if (contains(snake.cells, p))
            return false;
    return item_at(puzzle, p) == nullptr;
}

bool all_targets_covered(const Puzzle& puzzle) {
    return std::none_of(puzzle.targets.begin(), puzzle.targets.end(),
                        [&](Pos target) { return is_free(puzzle, target); });
}

Pos leading_cell(const Snake& snake, bool front) {
    if (snake.cells.empty())
        fatal("A snake with no cells has no leading cell");
    return front ? snake.cells.front() : snake.cells.back();
}

Pos trailing_cell(const Snake& snake, bool front) {
    if (snake.cells.empty())
        fatal("A snake with no cells has no trailing cell");
    return front ? snake.cells.back() : snake.cells.front();
}

std::optional<Selection> finishing_end(const Puzzle& puzzle) {
    for (std::size_t i = 0; i < puzzle.snakes.size(); ++i) {
        const Snake& snake = puzzle.snakes[i];
        if (snake.companion || snake.cells.empty())
            continue;
        const bool last_on_exit = snake.cells.back() == puzzle.exit;
        const bool first_on_exit = snake.two_headed && snake.cells.front() == puzzle.exit;
        if (!last_on_exit && !first_on_exit)
            continue;
        // Only the first snake on the exit decides, whether or not targets are covered.
        if (!all_targets_covered(puzzle))
            return std::nullopt;
        return Selection{i, !last_on_exit};
    }
    return std::nullopt;
}

bool is_complete(const Puzzle& puzzle) {
    return finishing_end(puzzle).has_value();
}

} // namespace coilwend
