#include "board_analysis.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <array>

namespace coilwend::heads_lab {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};

std::string cell_name(Pos p) {
    // Appended piece by piece: "(" + std::to_string(...) trips a false -Wrestrict in GCC 12.
    std::string name = "(";
    name += std::to_string(p.x);
    name += ", ";
    name += std::to_string(p.y);
    name += ")";
    return name;
}

char snake_letter(const Puzzle& puzzle, std::size_t s) {
    return static_cast<char>((puzzle.snakes[s].companion ? 'a' : 'A') + s);
}

template <typename T> std::vector<T> without(const std::vector<T>& list, std::size_t index) {
    std::vector<T> out = list;
    out.erase(out.begin() + static_cast<std::ptrdiff_t>(index));
    return out;
}

bool has_player_snake(const Puzzle& puzzle) {
    return std::any_of(puzzle.snakes.begin(), puzzle.snakes.end(),
                       [](const Snake& s) { return !s.companion && !s.cells.empty(); });
}

Ablation measure(std::string piece, const Puzzle& changed, SolveLimits limits) {
    Ablation a{std::move(piece), std::nullopt, is_complete(changed), 0};
    if (a.finished_at_start)
        return a;
    const SolveReport r = solve(changed, limits);
    if (r.solvable)
        a.moves = r.moves.size();
    a.dead = r.dead;
    return a;
}

} // namespace

std::size_t lead_changes(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<std::optional<bool>> last_front(start.snakes.size());
    std::size_t changes = 0;
    for (const SolverMove& m : moves) {
        if (!start.snakes[m.snake].two_headed)
            continue;
        const bool previous = last_front[m.snake].value_or(false);
        changes += previous != m.front ? 1 : 0;
        last_front[m.snake] = m.front;
    }
    return changes;
}

std::optional<std::size_t> one_headed_moves(const Puzzle& start, SolveLimits limits) {
    std::vector<std::size_t> heads;
    for (std::size_t s = 0; s < start.snakes.size(); ++s)
        if (start.snakes[s].two_headed)
            heads.push_back(s);
    std::optional<std::size_t> best;
    for (std::size_t mask = 0; mask < (std::size_t{1} << heads.size()); ++mask) {
        Puzzle variant = start;
        for (std::size_t i = 0; i < heads.size(); ++i) {
            Snake& snake = variant.snakes[heads[i]];
            snake.two_headed = false;
            if (mask & (std::size_t{1} << i))
                std::reverse(snake.cells.begin(), snake.cells.end());
        }
        if (is_complete(variant))
            return 0;
        const SolveReport r = solve(variant, limits);
        if (r.solvable && (!best || r.moves.size() < *best))
            best = r.moves.size();
    }
    return best;
}

std::vector<Puzzle> replay(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<Puzzle> positions{start};
    for (const SolverMove& m : moves) {
        auto next = apply_move(positions.back(), m.snake, m.front, m.direction);
        if (!next)
            break;
        positions.push_back(std::move(next->puzzle));
    }
    return positions;
}

std::vector<Puzzle> successors(const Puzzle& puzzle) {
    std::vector<Puzzle> out;
    for (std::size_t s = 0; s < puzzle.snakes.size(); ++s) {
        const Snake& snake = puzzle.snakes[s];
        if (snake.cells.empty())
            continue;
        for (const bool front : {false, true}) {
            if (front && !snake.two_headed)
                continue;
            for (const Direction d : kDirections)
                if (auto moved = apply_move(puzzle, s, front, d))
                    out.push_back(std::move(moved->puzzle));
        }
    }
    return out;
}

std::vector<TrapStep> traps_along(const Puzzle& start, const std::vector<SolverMove>& moves,
                                  SolveLimits limits) {
    auto positions = replay(start, moves);
    positions.pop_back();
    std::vector<TrapStep> steps;
    for (const Puzzle& at : positions) {
        TrapStep step;
        for (const Puzzle& next : successors(at)) {
            ++step.moves;
            if (!is_complete(next) && !solve(next, limits).solvable)
                ++step.dead;
        }
        steps.push_back(step);
    }
    return steps;
}

std::vector<Ablation> ablations(const Puzzle& start, SolveLimits limits) {
    std::vector<Ablation> out;
    for (std::size_t i = 0; i < start.walls.size(); ++i) {
        Puzzle p = start;
        p.walls = without(start.walls, i);
        out.push_back(measure("wall " + cell_name(start.walls[i]), p, limits));
    }
    for (std::size_t i = 0; i < start.water.size(); ++i) {
        Puzzle p = start;
        p.water = without(start.water, i);
        out.push_back(measure("water " + cell_name(start.water[i]), p, limits));
    }
    for (std::size_t i = 0; i < start.items.size(); ++i) {
        Puzzle p = start;
        p.items = without(start.items, i);
        const char* kind = start.items[i].kind == ItemKind::Grow ? "grow " : "shrink ";
        out.push_back(measure(kind + cell_name(start.items[i].pos), p, limits));
    }
    for (std::size_t i = 0; i < start.targets.size(); ++i) {
        Puzzle p = start;
        p.targets = without(start.targets, i);
        out.push_back(measure("target " + cell_name(start.targets[i]), p, limits));
    }
    for (std::size_t s = 0; s < start.snakes.size(); ++s) {
        Puzzle p = start;
        p.snakes = without(start.snakes, s);
        if (has_player_snake(p))
            out.push_back(measure(std::string("snake ") + snake_letter(start, s), p, limits));
    }
    for (std::size_t s = 0; s < start.snakes.size(); ++s) {
        if (!start.snakes[s].two_headed)
            continue;
        for (const bool reversed : {false, true}) {
            Puzzle p = start;
            p.snakes[s].two_headed = false;
            if (reversed)
                std::reverse(p.snakes[s].cells.begin(), p.snakes[s].cells.end());
            out.push_back(measure(std::string("one head for ") + snake_letter(start, s) +
                                      (reversed ? ", first cell leading" : ", last cell leading"),
                                  p, limits));
        }
    }
    return out;
}

} // namespace coilwend::heads_lab
