#include "board_mutation.hpp"

#include "board_analysis.hpp"
#include "game/level_play.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace coilwend::heads_lab {
namespace {

using Rng = std::mt19937_64;
constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};

std::size_t pick(Rng& rng, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

bool contains(const std::vector<Pos>& list, Pos p) {
    return std::find(list.begin(), list.end(), p) != list.end();
}

bool inside(const Puzzle& p, Pos c) {
    return c.x >= 0 && c.y >= 0 && c.x < p.width && c.y < p.height;
}

bool snake_on(const Puzzle& p, Pos c) {
    return std::any_of(p.snakes.begin(), p.snakes.end(),
                       [&](const Snake& s) { return contains(s.cells, c); });
}

Pos random_cell(const Puzzle& p, Rng& rng) {
    return {wrap8(static_cast<int>(pick(rng, p.width))),
            wrap8(static_cast<int>(pick(rng, p.height)))};
}

// A random self-avoiding walk of the snake's length over cells it may occupy.
bool redraw(Puzzle& p, std::size_t s, Rng& rng) {
    const std::size_t length = p.snakes[s].cells.size();
    Puzzle rest = p;
    rest.snakes[s].cells.clear();
    for (int attempt = 0; attempt < 30; ++attempt) {
        std::vector<Pos> cells;
        auto usable = [&](Pos c) {
            return inside(rest, c) && !contains(rest.walls, c) && !snake_on(rest, c) &&
                   !contains(cells, c) && !(p.snakes[s].companion && contains(rest.water, c));
        };
        const Pos first = random_cell(rest, rng);
        if (!usable(first))
            continue;
        cells.push_back(first);
        while (cells.size() < length) {
            std::vector<Pos> next;
            for (const Direction d : kDirections)
                if (usable(step(cells.back(), d)))
                    next.push_back(step(cells.back(), d));
            if (next.empty())
                break;
            cells.push_back(next[pick(rng, next.size())]);
        }
        if (cells.size() == length) {
            p.snakes[s].cells = cells;
            return true;
        }
    }
    return false;
}

// A few legal steps of one snake end, sliding over items without eating them.
void slide(Puzzle& p, std::size_t s, Rng& rng) {
    Puzzle bare = p;
    bare.items.clear();
    const bool front = p.snakes[s].two_headed && pick(rng, 2) == 1;
    for (int k = 0; k < 3; ++k)
        if (auto moved = apply_move(bare, s, front, kDirections[pick(rng, 4)]))
            bare.snakes = moved->puzzle.snakes;
    p.snakes = bare.snakes;
}

void toggle(std::vector<Pos>& list, Pos c) {
    const auto at = std::find(list.begin(), list.end(), c);
    if (at != list.end())
        list.erase(at);
    else
        list.push_back(c);
}

} // namespace

bool valid_board(const Puzzle& p) {
    if (!inside(p, p.exit) || contains(p.walls, p.exit))
        return false;
    std::vector<Pos> used;
    for (const Snake& s : p.snakes) {
        if (s.cells.size() < 2)
            return false;
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const Pos c = s.cells[i];
            if (!inside(p, c) || contains(p.walls, c) || contains(used, c) ||
                (s.companion && contains(p.water, c)) ||
                (i > 0 && !are_neighbours(c, s.cells[i - 1])))
                return false;
            used.push_back(c);
        }
    }
    std::vector<Pos> item_cells;
    for (const Item& i : p.items) {
        if (!inside(p, i.pos) || contains(p.walls, i.pos) || contains(used, i.pos) ||
            contains(item_cells, i.pos))
            return false;
        item_cells.push_back(i.pos);
    }
    for (const Pos t : p.targets)
        if (!inside(p, t) || contains(p.walls, t))
            return false;
    return !is_complete(p);
}

Puzzle mutate(const Puzzle& from, const Frozen& frozen, Rng& rng) {
    for (int attempt = 0; attempt < 30; ++attempt) {
        Puzzle p = from;
        switch (pick(rng, 8)) {
        case 0:
            if (frozen.walls)
                continue;
            toggle(p.walls, random_cell(p, rng));
            break;
        case 1:
            if (frozen.water)
                continue;
            toggle(p.water, random_cell(p, rng));
            break;
        case 2:
            if (frozen.exit)
                continue;
            p.exit = random_cell(p, rng);
            break;
        case 3:
            if (frozen.items || p.items.empty())
                continue;
            p.items[pick(rng, p.items.size())].pos = random_cell(p, rng);
            break;
        case 4:
            if (frozen.targets || p.targets.empty())
                continue;
            p.targets[pick(rng, p.targets.size())] = random_cell(p, rng);
            break;
        case 5:
            if (frozen.snakes || !redraw(p, pick(rng, p.snakes.size()), rng))
                continue;
            break;
        case 6: {
            if (frozen.snakes)
                continue;
            auto& cells = p.snakes[pick(rng, p.snakes.size())].cells;
            std::reverse(cells.begin(), cells.end());
            break;
        }
        default:
            if (frozen.snakes)
                continue;
            slide(p, pick(rng, p.snakes.size()), rng);
            break;
        }
        if (frozen.exit_under_first_snake)
            p.exit = p.snakes[0].cells.back();
        if (!(p == from) && valid_board(p))
            return p;
    }
    return from;
}

double puzzle_score(const Puzzle& puzzle, const SolveReport& r, const Goals& goals) {
    // Far below every solvable board, but graded so that a search started
    // from too open a board drifts toward tighter ones: more walls, fewer
    // positions.
    if (r.gave_up)
        return -2000.0 + 10.0 * static_cast<double>(puzzle.walls.size());
    if (!r.solvable)
        return -1000.0 - std::log2(1.0 + static_cast<double>(r.reachable));
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
    const double heads = std::min<double>(4.0, static_cast<double>(lead_changes(puzzle, r.moves)));
    // Fewer pieces make a cleaner puzzle; a huge space is length without insight.
    const double clutter = 0.4 * static_cast<double>(puzzle.walls.size()) +
                           0.05 * std::log2(1.0 + static_cast<double>(r.reachable));
    // A snake the solution never moves is only a wall drawn as a snake.
    std::vector<bool> moved(puzzle.snakes.size(), false);
    for (const SolverMove& m : r.moves)
        moved[m.snake] = true;
    const double idle = static_cast<double>(std::count(moved.begin(), moved.end(), false));
    double score =
        length + 8.0 * first_dead + 6.0 * dead_share + 1.5 * heads - clutter - 4.0 * idle;
    if (goals.need_heads) {
        const auto one = one_headed_moves(puzzle, SolveLimits{goals.max_positions});
        if (one && *one <= r.moves.size() + 2)
            score -= 20.0;
    }
    return score;
}

std::vector<Candidate> improve(const Puzzle& start, const Frozen& frozen, const Goals& goals,
                               const SearchRun& run, const OnBest& on_best) {
    Rng rng(run.seed);
    std::vector<Candidate> best;
    auto evaluate = [&](const Puzzle& p) {
        Candidate c{p, solve(p, SolveLimits{goals.max_positions}), 0};
        c.score = puzzle_score(p, c.report, goals);
        return c;
    };
    auto remember = [&](const Candidate& c) {
        if (!c.report.solvable || std::any_of(best.begin(), best.end(), [&](const Candidate& b) {
                return b.puzzle == c.puzzle;
            }))
            return;
        if (on_best && (best.empty() || c.score > best.front().score))
            on_best(c);
        best.push_back(c);
        std::sort(best.begin(), best.end(),
                  [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
        if (best.size() > run.keep)
            best.pop_back();
    };
    for (std::size_t restart = 0; restart < run.restarts; ++restart) {
        Candidate current = evaluate(start);
        double temperature = 2.0;
        for (std::size_t s = 0; s < run.steps; ++s) {
            const Candidate next = evaluate(mutate(current.puzzle, frozen, rng));
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

} // namespace coilwend::heads_lab
