// The dynamic snake geometry of one animated frame on a full-size board.

#include "snake_rendering/snake_mesh.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace coilwend;

// An 11 x 7 board packed with five long snakes (the whole board, 77 cells),
// with items and eaten marks so that mouths open and bodies bulge.
Puzzle crowded_board() {
    Puzzle puzzle;
    puzzle.name = "Bench";
    puzzle.width = 11;
    puzzle.height = 7;
    puzzle.setting = 2;
    std::vector<Pos> order; // a boustrophedon over the rows
    for (std::int8_t y = 0; y < 7; ++y)
        for (std::int8_t i = 0; i < 11; ++i)
            order.push_back({static_cast<std::int8_t>(y % 2 == 0 ? i : 10 - i), y});
    const int lengths[] = {20, 16, 15, 14, 12};
    std::size_t at = 0;
    for (int length : lengths) {
        Snake snake;
        snake.cells.assign(order.begin() + static_cast<std::ptrdiff_t>(at),
                           order.begin() + static_cast<std::ptrdiff_t>(at + length));
        snake.companion = at != 0;
        snake.two_headed = length == 15;
        puzzle.snakes.push_back(std::move(snake));
        at += static_cast<std::size_t>(length);
    }
    puzzle.items = {{ItemKind::Grow, order[20]}, {ItemKind::Shrink, order[60]}};
    puzzle.eaten_marks = {{order[10], 5}, {order[40], 3}};
    return puzzle;
}

void BM_AnimatedFrameAllSnakes(benchmark::State& state) {
    const Puzzle puzzle = crowded_board();
    std::vector<FacetVertex> out;
    SnakeAnimation moving{true, -0.45f, puzzle.snakes[0].cells.front(), false, ItemKind::Grow};
    for (auto _ : state) {
        out.clear();
        for (std::size_t i = 0; i < puzzle.snakes.size(); ++i)
            build_snake(puzzle.snakes[i], i, puzzle, i == 0 ? moving : SnakeAnimation{}, out);
        benchmark::DoNotOptimize(out.data());
    }
    state.counters["vertices"] = static_cast<double>(out.size());
}
BENCHMARK(BM_AnimatedFrameAllSnakes)->Unit(benchmark::kMicrosecond);

} // namespace
