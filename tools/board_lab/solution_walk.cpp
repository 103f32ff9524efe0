#include "board_lab/solution_walk.hpp"

#include "game/level_play.hpp"

#include <array>

namespace coilwend::board_lab {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};

bool can_try(const Puzzle& puzzle, const SolverMove& m) {
    return m.snake < puzzle.snakes.size() && !puzzle.snakes[m.snake].cells.empty();
}

} // namespace

std::vector<Puzzle> replay(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<Puzzle> positions{start};
    for (const SolverMove& m : moves) {
        if (!can_try(positions.back(), m))
            break;
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

std::vector<EatenOnTheWay> items_eaten(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<EatenOnTheWay> eaten;
    Puzzle at = start;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const SolverMove& m = moves[i];
        if (!can_try(at, m))
            break;
        const Item* under = item_at(at, leading_cell(at.snakes[m.snake], m.front));
        const std::optional<Item> item = under ? std::optional<Item>(*under) : std::nullopt;
        auto next = apply_move(at, m.snake, m.front, m.direction);
        if (!next)
            break;
        if (next->eaten && item)
            eaten.push_back({i, m.snake, *item, next->puzzle.snakes[m.snake].cells.empty()});
        at = std::move(next->puzzle);
    }
    return eaten;
}

} // namespace coilwend::board_lab
