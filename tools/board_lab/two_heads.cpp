#include "board_lab/two_heads.hpp"

#include <algorithm>

namespace coilwend::board_lab {

bool has_two_headed_snake(const Puzzle& puzzle) {
    return std::any_of(puzzle.snakes.begin(), puzzle.snakes.end(),
                       [](const Snake& s) { return s.two_headed; });
}

std::size_t lead_changes(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<std::optional<bool>> last_front(start.snakes.size());
    std::size_t changes = 0;
    for (const SolverMove& m : moves) {
        if (m.snake >= start.snakes.size() || !start.snakes[m.snake].two_headed)
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

} // namespace coilwend::board_lab
