// Geometry rebuild costs of the board renderer: the static build runs after a
// level change or resize, the piece and overlay builds on every animated frame.

#include "board_renderer/board_geometry.hpp"
#include "board_renderer/overlay_geometry.hpp"
#include "board_renderer/piece_geometry.hpp"
#include "board_renderer/snake_draw_plan.hpp"

#include <benchmark/benchmark.h>

using namespace coilwend;

namespace {

// The largest board, walled all round with a few walls inside, in the given
// setting.
Puzzle largest_board(std::uint8_t setting) {
    Puzzle p;
    p.name = "Bench";
    p.width = 11;
    p.height = 7;
    p.setting = setting;
    for (std::int8_t x = 0; x < 11; ++x)
        for (std::int8_t y = 0; y < 7; ++y)
            if (x == 0 || y == 0 || x == 10 || y == 6 || (x % 3 == 0 && y % 2 == 0))
                p.walls.push_back({x, y});
    p.exit = {9, 5};
    p.water = {{2, 1}, {2, 2}, {3, 1}};
    p.items = {{ItemKind::Grow, {1, 3}}, {ItemKind::Shrink, {4, 3}}, {ItemKind::Grow, {7, 3}},
               {ItemKind::Grow, {5, 5}}, {ItemKind::Shrink, {8, 1}}, {ItemKind::Grow, {1, 5}}};
    p.targets = {{2, 3}, {5, 3}, {8, 3}, {4, 5}, {7, 5}, {5, 1}};
    Snake snake;
    snake.cells = {{1, 1}, {1, 2}, {2, 3}, {3, 3}};
    p.snakes = {snake};
    return p;
}

void BM_StaticGeometryLargestBoard(benchmark::State& state) {
    const Puzzle puzzle = largest_board(std::uint8_t(state.range(0)));
    std::vector<MeshVertex> ground;
    std::vector<PatternVertex> scenery;
    for (auto _ : state) {
        build_static_geometry(puzzle, ground, scenery);
        benchmark::DoNotOptimize(ground.data());
        benchmark::DoNotOptimize(scenery.data());
    }
    state.counters["vertices"] = double(ground.size() + scenery.size());
}
BENCHMARK(BM_StaticGeometryLargestBoard)->DenseRange(0, 4)->Unit(benchmark::kMillisecond);

void BM_DynamicPiecesAndOverlays(benchmark::State& state) {
    const Puzzle puzzle = largest_board(1);
    MoveEvent event;
    event.kind = MoveEventKind::Step;
    event.progress = -0.4f;
    event.trailing = {1, 0};
    const BoardAnimation animation = board_animation(event);
    const BoardCamera camera = make_board_camera(1280, 720, 11, 7);
    std::vector<MeshVertex> pieces;
    std::vector<ColorVertex> overlay;
    std::vector<TexturedVertex> icons;
    std::vector<SnakeDrawPlan> plans;
    for (auto _ : state) {
        build_piece_geometry(puzzle, animation, pieces);
        plan_snake_draws(puzzle, &event, plans);
        overlay.clear();
        icons.clear();
        add_selection_marker(overlay, puzzle, {0, false}, animation);
        add_iris_wipe(overlay, puzzle, camera, 0.5f);
        add_intro_ring(overlay, puzzle, 1.5f);
        add_icon_quad(icons, {5, 3, 0}, 0.3f, {});
        benchmark::DoNotOptimize(pieces.data());
        benchmark::DoNotOptimize(overlay.data());
        benchmark::DoNotOptimize(icons.data());
    }
}
BENCHMARK(BM_DynamicPiecesAndOverlays)->Unit(benchmark::kMicrosecond);

} // namespace
