#include "board_lab/companions.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <array>

namespace coilwend::board_lab {

bool player_boxed_in(const Puzzle& puzzle) {
    for (std::size_t s = 0; s < puzzle.snakes.size(); ++s) {
        const Snake& snake = puzzle.snakes[s];
        if (snake.companion || snake.cells.empty())
            continue;
        for (const Direction d : std::array{kUp, kDown, kLeft, kRight}) {
            if (can_move(puzzle, step(snake.cells.back(), d), s, false))
                return false;
            if (snake.two_headed && can_move(puzzle, step(snake.cells.front(), d), s, true))
                return false;
        }
    }
    return true;
}

std::size_t helping_moves(const Puzzle& puzzle, const SolveReport& report) {
    std::size_t last_companion = 0;
    for (std::size_t i = 0; i < report.moves.size(); ++i)
        if (puzzle.snakes[report.moves[i].snake].companion)
            last_companion = i + 1;
    std::size_t helping = 0;
    for (std::size_t i = 0; i < last_companion; ++i)
        helping += puzzle.snakes[report.moves[i].snake].companion ? 0 : 1;
    return helping;
}

std::size_t handovers(const SolveReport& report) {
    std::size_t count = 0;
    for (std::size_t i = 1; i < report.moves.size(); ++i)
        count += report.moves[i].snake != report.moves[i - 1].snake ? 1 : 0;
    return count;
}

std::size_t idle_snakes(const Puzzle& puzzle, const SolveReport& report) {
    std::vector<bool> moved(puzzle.snakes.size(), false);
    for (const SolverMove& m : report.moves)
        if (m.snake < moved.size())
            moved[m.snake] = true;
    return static_cast<std::size_t>(std::count(moved.begin(), moved.end(), false));
}

} // namespace coilwend::board_lab
