#include "scramble.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <array>

namespace coilwend::heads_lab {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};

struct BackStep {
    std::size_t snake = 0;
    bool front = false;
    Direction direction;
};

} // namespace

Puzzle step_back(const Puzzle& puzzle, std::mt19937_64& rng) {
    // Without items the tail can never eat on its way back.
    Puzzle bare = puzzle;
    bare.items.clear();
    std::vector<BackStep> steps;
    for (std::size_t s = 0; s < bare.snakes.size(); ++s) {
        const Snake& snake = bare.snakes[s];
        if (snake.cells.size() < 2)
            continue;
        for (const bool front : {true, false}) {
            if (!front && !snake.two_headed)
                continue;
            for (const Direction d : kDirections)
                if (can_move(bare, step(leading_cell(snake, front), d), s, front))
                    steps.push_back({s, front, d});
        }
    }
    if (steps.empty())
        return puzzle;
    const BackStep chosen =
        steps[std::uniform_int_distribution<std::size_t>(0, steps.size() - 1)(rng)];
    Puzzle back = puzzle;
    back.snakes = apply_move(bare, chosen.snake, chosen.front, chosen.direction)->puzzle.snakes;
    return back;
}

std::vector<Candidate> scramble(const Puzzle& finish, const Goals& goals, const SearchRun& run,
                                std::size_t walk, const OnBest& on_best) {
    std::mt19937_64 rng(run.seed);
    std::vector<Candidate> best;
    const std::size_t every = std::max<std::size_t>(1, walk / std::max<std::size_t>(1, run.steps));
    for (std::size_t restart = 0; restart < run.restarts; ++restart) {
        Puzzle at = finish;
        for (std::size_t i = 1; i <= walk; ++i) {
            at = step_back(at, rng);
            if (i % every != 0 || !valid_board(at))
                continue;
            Candidate c{at, solve(at, SolveLimits{goals.max_positions}), 0};
            c.score = puzzle_score(at, c.report, goals);
            if (!c.report.solvable ||
                std::any_of(best.begin(), best.end(),
                            [&](const Candidate& b) { return b.puzzle == c.puzzle; }))
                continue;
            if (on_best && (best.empty() || c.score > best.front().score))
                on_best(c);
            best.push_back(c);
            std::sort(best.begin(), best.end(),
                      [](const Candidate& a, const Candidate& b) { return a.score > b.score; });
            if (best.size() > run.keep)
                best.pop_back();
        }
    }
    return best;
}

} // namespace coilwend::heads_lab
