#include "item_report.hpp"

#include "game/level_play.hpp"

namespace coilwend {

namespace {

// A move can only be tried by a snake that is still on the board.
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
            break; // a sequence that stops being legal ends where it stopped
        positions.push_back(std::move(next->puzzle));
    }
    return positions;
}

std::vector<EatenOnTheWay> items_eaten(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<EatenOnTheWay> eaten;
    Puzzle at = start;
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const SolverMove& m = moves[i];
        if (!can_try(at, m))
            break;
        const Pos lead = leading_cell(at.snakes[m.snake], m.front);
        const Item* under = item_at(at, lead);
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

ItemReport analyse_items(const Puzzle& start, SolveLimits limits) {
    ItemReport report;
    report.solution = solve(start, limits);
    report.eaten = items_eaten(start, report.solution.moves);
    for (std::size_t i = 0; i < start.items.size(); ++i) {
        Puzzle without = start;
        without.items.erase(without.items.begin() + static_cast<std::ptrdiff_t>(i));
        const SolveReport r = solve(without, limits);
        report.without.push_back({start.items[i], r.solvable, r.moves.size(), r.dead});
    }
    return report;
}

bool item_matters(const SolveReport& with, const WithoutItem& without) {
    if (with.solvable != without.solvable)
        return true;
    if (with.solvable && with.moves.size() != without.moves)
        return true;
    return without.dead * 10 < with.dead * 9;
}

} // namespace coilwend
