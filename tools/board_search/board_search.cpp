#include "board_search.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <cmath>
#include <random>
#include <set>

namespace coilwend {
namespace {

using Rng = std::mt19937_64;

std::size_t pick(Rng& rng, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

bool contains(const std::vector<Pos>& list, Pos p) {
    return std::find(list.begin(), list.end(), p) != list.end();
}

bool snake_on(const Puzzle& p, Pos c) {
    for (const Snake& s : p.snakes)
        if (contains(s.cells, c))
            return true;
    return false;
}

bool item_on(const Puzzle& p, Pos c) {
    return std::any_of(p.items.begin(), p.items.end(), [&](const Item& i) { return i.pos == c; });
}

// Cells where nothing at all lies yet.
std::vector<Pos> empty_cells(const Puzzle& p) {
    std::vector<Pos> cells;
    for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x) {
            const Pos c{wrap8(x), wrap8(y)};
            if (!contains(p.walls, c) && !contains(p.water, c) && !contains(p.targets, c) &&
                !snake_on(p, c) && !item_on(p, c) && !(c == p.exit))
                cells.push_back(c);
        }
    return cells;
}

// A random self-avoiding walk through cells a snake may stand on.
std::optional<std::vector<Pos>> random_snake(const Puzzle& p, const SnakeShape& shape, Rng& rng) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        std::vector<Pos> cells;
        auto usable = [&](Pos c) {
            return c.x >= 0 && c.y >= 0 && c.x < p.width && c.y < p.height &&
                   !contains(p.walls, c) && !snake_on(p, c) && !contains(cells, c) &&
                   !(shape.companion && contains(p.water, c));
        };
        const Pos first{wrap8(static_cast<int>(pick(rng, p.width))),
                        wrap8(static_cast<int>(pick(rng, p.height)))};
        if (!usable(first))
            continue;
        cells.push_back(first);
        while (cells.size() < shape.length) {
            std::vector<Pos> next;
            for (const Direction d : {kUp, kDown, kLeft, kRight})
                if (usable(step(cells.back(), d)))
                    next.push_back(step(cells.back(), d));
            if (next.empty())
                break;
            cells.push_back(next[pick(rng, next.size())]);
        }
        if (cells.size() == shape.length)
            return cells;
    }
    return std::nullopt;
}

std::optional<Puzzle> random_board(const SearchShape& shape, Rng& rng) {
    Puzzle p;
    p.name = "Candidate";
    p.width = shape.width;
    p.height = shape.height;
    p.setting = shape.setting;
    p.walls = shape.fixed_walls;
    auto take = [&](std::size_t count, auto place) {
        for (std::size_t i = 0; i < count; ++i) {
            const auto cells = empty_cells(p);
            if (cells.empty())
                return false;
            place(cells[pick(rng, cells.size())]);
        }
        return true;
    };
    if (!take(shape.walls, [&](Pos c) { p.walls.push_back(c); }) ||
        !take(shape.water, [&](Pos c) { p.water.push_back(c); }) ||
        !take(shape.targets, [&](Pos c) { p.targets.push_back(c); }) ||
        !take(1, [&](Pos c) { p.exit = c; }))
        return std::nullopt;
    for (const SnakeShape& s : shape.snakes) {
        auto cells = random_snake(p, s, rng);
        if (!cells)
            return std::nullopt;
        p.snakes.push_back({*cells, s.two_headed, s.companion});
    }
    if (!take(shape.grow,
              [&](Pos c) {
                  p.items.push_back({ItemKind::Grow, c});
              }) ||
        !take(shape.shrink, [&](Pos c) {
            p.items.push_back({ItemKind::Shrink, c});
        }))
        return std::nullopt;
    return p;
}

// Cells a piece could be moved to: on the board, not a fixed wall.
Pos random_cell(const Puzzle& p, Rng& rng) {
    return {wrap8(static_cast<int>(pick(rng, p.width))),
            wrap8(static_cast<int>(pick(rng, p.height)))};
}

// Where the final level's floor shows the items, targets and two-headed areas.
bool in_items_region(Pos c) {
    return c.x >= 7 && c.y >= 3;
}
bool in_targets_region(Pos c) {
    return c.x >= 3 && c.x <= 6 && c.y >= 3;
}
bool in_exit_region(Pos c) {
    return c.x <= 2 && c.y >= 3 && !(c.x == 0 && c.y == 5);
}

bool in_regions(const Puzzle& p) {
    return in_exit_region(p.exit) &&
           std::all_of(p.items.begin(), p.items.end(),
                       [](const Item& i) { return in_items_region(i.pos); }) &&
           std::all_of(p.targets.begin(), p.targets.end(), in_targets_region);
}

bool valid(const Puzzle& p) {
    if (contains(p.walls, p.exit))
        return false;
    std::set<std::pair<int, int>> used;
    for (const Snake& s : p.snakes)
        for (const Pos c : s.cells) {
            if (contains(p.walls, c) || (s.companion && contains(p.water, c)) ||
                !used.insert({c.x, c.y}).second)
                return false;
        }
    std::set<std::pair<int, int>> items;
    for (const Item& i : p.items)
        if (contains(p.walls, i.pos) || !items.insert({i.pos.x, i.pos.y}).second)
            return false;
    for (const Pos t : p.targets)
        if (contains(p.walls, t))
            return false;
    return !is_complete(p);
}

// One small change to a board: a wall, the exit, an item, water, a target or a snake.
Puzzle mutate(const Puzzle& from, const SearchShape& shape, Rng& rng) {
    Puzzle p = from;
    for (int attempt = 0; attempt < 20; ++attempt) {
        p = from;
        const std::size_t kind = pick(rng, 7);
        if (shape.changes.find("weiatsm"[kind]) == std::string::npos)
            continue;
        switch (kind) {
        case 0: { // add or remove a wall
            const Pos c = random_cell(p, rng);
            if (contains(shape.fixed_walls, c))
                continue;
            const auto at = std::find(p.walls.begin(), p.walls.end(), c);
            if (at != p.walls.end())
                p.walls.erase(at);
            else if (p.walls.size() < shape.max_walls + shape.fixed_walls.size())
                p.walls.push_back(c);
            break;
        }
        case 1:
            p.exit = random_cell(p, rng);
            break;
        case 2:
            if (p.items.empty())
                continue;
            p.items[pick(rng, p.items.size())].pos = random_cell(p, rng);
            break;
        case 3:
            if (p.water.empty())
                continue;
            p.water[pick(rng, p.water.size())] = random_cell(p, rng);
            break;
        case 4:
            if (p.targets.empty())
                continue;
            p.targets[pick(rng, p.targets.size())] = random_cell(p, rng);
            break;
        case 5: { // draw one snake afresh
            const std::size_t s = pick(rng, p.snakes.size());
            Puzzle without = p;
            without.snakes[s].cells.clear();
            const SnakeShape snake_shape{p.snakes[s].cells.size(), p.snakes[s].companion,
                                         p.snakes[s].two_headed};
            const auto cells = random_snake(without, snake_shape, rng);
            if (!cells)
                continue;
            p.snakes[s].cells = *cells;
            break;
        }
        default: { // let one snake take a few legal steps, or reverse it
            const std::size_t s = pick(rng, p.snakes.size());
            if (pick(rng, 4) == 0) {
                std::reverse(p.snakes[s].cells.begin(), p.snakes[s].cells.end());
                break;
            }
            for (int k = 0; k < 3; ++k) {
                const Direction d = std::array{kUp, kDown, kLeft, kRight}[pick(rng, 4)];
                Puzzle without_items = p;
                without_items.items.clear(); // slide, do not eat
                if (auto moved = apply_move(without_items, s, false, d))
                    p.snakes = moved->puzzle.snakes;
            }
            break;
        }
        }
        if (valid(p) && (!shape.reunion_regions || in_regions(p)))
            return p;
    }
    return from;
}

// The same board whatever order its lists were built in.
Puzzle canonical(Puzzle p) {
    auto by_cell = [](Pos a, Pos b) { return a.y != b.y ? a.y < b.y : a.x < b.x; };
    std::sort(p.walls.begin(), p.walls.end(), by_cell);
    std::sort(p.water.begin(), p.water.end(), by_cell);
    std::sort(p.targets.begin(), p.targets.end(), by_cell);
    std::sort(p.items.begin(), p.items.end(),
              [&](const Item& a, const Item& b) { return by_cell(a.pos, b.pos); });
    return p;
}

} // namespace

double puzzle_score(const Puzzle& puzzle, const SolveReport& r, const SearchGoals& goals) {
    if (!r.solvable || r.gave_up)
        return -1e9;
    const double moves = static_cast<double>(r.moves.size());
    if (r.moves.size() < goals.min_moves)
        return moves - 100.0;
    const double length = std::min(moves, static_cast<double>(goals.max_moves)) -
                          2.0 * std::max(0.0, moves - static_cast<double>(goals.max_moves));
    const double first_dead =
        r.first_moves ? static_cast<double>(r.first_moves_dead) / static_cast<double>(r.first_moves)
                      : 0;
    const double dead_share =
        r.reachable ? static_cast<double>(r.dead) / static_cast<double>(r.reachable) : 0;
    const double traps = moves > 0 ? static_cast<double>(r.traps_on_path) / moves : 0;
    // Fewer pieces make a cleaner puzzle; a huge space is length without insight.
    const double clutter = 0.3 * static_cast<double>(puzzle.walls.size()) +
                           0.02 * std::log2(1.0 + static_cast<double>(r.reachable));
    return length + 6.0 * first_dead + 4.0 * dead_share + 6.0 * traps - clutter;
}

std::vector<Candidate> search_boards(const SearchShape& shape, const SearchGoals& goals,
                                     const SearchRun& run, const std::optional<Puzzle>& start) {
    Rng rng(run.seed);
    std::vector<Candidate> best;
    auto evaluate = [&](const Puzzle& p) {
        Candidate c{canonical(p), solve(p, SolveLimits{goals.max_positions}), 0};
        c.score = puzzle_score(p, c.report, goals);
        return c;
    };
    auto remember = [&](const Candidate& c) {
        if (c.score < -1e8)
            return;
        for (const Candidate& b : best)
            if (b.puzzle == c.puzzle)
                return;
        best.push_back(c);
        std::sort(best.begin(), best.end(),
                  [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        if (best.size() > run.keep)
            best.pop_back();
    };
    for (std::size_t restart = 0; restart < run.restarts; ++restart) {
        std::optional<Puzzle> board = start;
        for (int attempt = 0; !board && attempt < 1000; ++attempt) {
            board = random_board(shape, rng);
            if (board && !valid(*board))
                board.reset();
        }
        if (!board)
            continue;
        Candidate current = evaluate(*board);
        double temperature = 2.0;
        for (std::size_t s = 0; s < run.steps; ++s) {
            const Candidate next = evaluate(mutate(current.puzzle, shape, rng));
            const double gain = next.score - current.score;
            if (gain >= 0 ||
                std::uniform_real_distribution<double>(0, 1)(rng) < std::exp(gain / temperature))
                current = next;
            remember(current);
            temperature = std::max(0.05, temperature * 0.99);
        }
    }
    return best;
}

} // namespace coilwend
