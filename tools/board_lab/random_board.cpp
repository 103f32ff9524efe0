#include "board_lab/random_board.hpp"

#include "board_lab/board_rules.hpp"

#include <algorithm>
#include <array>

namespace coilwend::board_lab {
namespace {

bool snake_on(const Puzzle& p, Pos c) {
    return std::any_of(p.snakes.begin(), p.snakes.end(),
                       [&](const Snake& s) { return contains(s.cells, c); });
}

// Cells where nothing at all lies yet.
std::vector<Pos> empty_cells(const Puzzle& p) {
    std::vector<Pos> cells;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const Pos c{wrap8(x), wrap8(y)};
            if (!contains(p.walls, c) && !contains(p.water, c) && !contains(p.targets, c) &&
                !snake_on(p, c) && !item_at(p, c) && !(c == p.exit))
                cells.push_back(c);
        }
    return cells;
}

} // namespace

std::size_t pick(std::mt19937_64& rng, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

Pos random_cell(const Puzzle& p, std::mt19937_64& rng) {
    return {wrap8(static_cast<int>(pick(rng, p.width))),
            wrap8(static_cast<int>(pick(rng, p.height)))};
}

std::optional<std::vector<Pos>> random_snake_cells(const Puzzle& around, std::size_t length,
                                                   bool companion, std::mt19937_64& rng) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::vector<Pos> cells;
        auto usable = [&](Pos c) {
            return on_board(around, c) && !is_wall(around, c) && !snake_on(around, c) &&
                   !contains(cells, c) && !(companion && is_water(around, c));
        };
        const Pos first = random_cell(around, rng);
        if (!usable(first))
            continue;
        cells.push_back(first);
        while (cells.size() < length) {
            std::vector<Pos> next;
            for (const Direction d : std::array{kUp, kDown, kLeft, kRight})
                if (usable(step(cells.back(), d)))
                    next.push_back(step(cells.back(), d));
            if (next.empty())
                break;
            cells.push_back(next[pick(rng, next.size())]);
        }
        if (cells.size() == length)
            return cells;
    }
    return std::nullopt;
}

std::optional<Puzzle> random_board(const Cast& cast, std::mt19937_64& rng) {
    Puzzle p;
    p.name = "Candidate";
    p.width = cast.width;
    p.height = cast.height;
    p.setting = cast.setting;
    auto take = [&](std::size_t count, auto place) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto cells = empty_cells(p);
            if (cells.empty())
                return false;
            place(cells[pick(rng, cells.size())]);
        }
        return true;
    };
    if (!take(cast.walls, [&](Pos c) { p.walls.push_back(c); }) ||
        !take(cast.water, [&](Pos c) { p.water.push_back(c); }) ||
        !take(cast.targets, [&](Pos c) { p.targets.push_back(c); }) ||
        !take(1, [&](Pos c) { p.exit = c; }))
        return std::nullopt;
    for (const SnakeShape& s : cast.snakes) {
        auto cells = random_snake_cells(p, s.length, s.companion, rng);
        if (!cells)
            return std::nullopt;
        p.snakes.push_back({*cells, s.two_headed, s.companion});
    }
    if (!take(cast.grow,
              [&](Pos c) {
                  p.items.push_back({ItemKind::Grow, c});
              }) ||
        !take(cast.shrink, [&](Pos c) {
            p.items.push_back({ItemKind::Shrink, c});
        }))
        return std::nullopt;
    return p;
}

} // namespace coilwend::board_lab
