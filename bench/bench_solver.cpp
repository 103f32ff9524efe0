// How long the solver takes: one worked board, and the whole catalogue as
// the level list is regenerated (the target is well under a minute on two cores).

#include "game/level_play.hpp"
#include "levels/catalogue.hpp"
#include "levels/hint.hpp"
#include "levels/solver.hpp"

#include <benchmark/benchmark.h>

using namespace coilwend;

static void BM_SolveEkans(benchmark::State& state) {
    const Puzzle& start = find_level("1.rs").puzzle;
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(start));
}
BENCHMARK(BM_SolveEkans)->Unit(benchmark::kMillisecond);

static void BM_SolveWholeCatalogueOneThread(benchmark::State& state) {
    const auto& levels = level_definitions();
    for (auto _ : state) {
        std::size_t reachable = 0;
        for (const Level& level : levels)
            reachable += solve(level.puzzle).reachable;
        state.counters["positions"] = static_cast<double>(reachable);
    }
}
BENCHMARK(BM_SolveWholeCatalogueOneThread)->Unit(benchmark::kSecond)->Iterations(1);

// A hint's graph for the largest level, built when it starts (on a worker
// thread in the game): every hint afterwards is a lookup in it.
static void BM_HintGraphReunion(benchmark::State& state) {
    const Puzzle& start = find_level("89.rs").puzzle;
    for (auto _ : state) {
        const PositionGraph graph(start, HintSearch::kMaxPositions);
        state.counters["positions"] = static_cast<double>(graph.size());
    }
}
BENCHMARK(BM_HintGraphReunion)->Unit(benchmark::kMillisecond);

static void BM_HintLookupReunion(benchmark::State& state) {
    const Level& level = find_level("89.rs");
    const PositionGraph graph(level.puzzle, HintSearch::kMaxPositions);
    const LevelPlay play = make_level_play(level.puzzle);
    for (auto _ : state)
        benchmark::DoNotOptimize(hint_for(graph, play.history, play.selection));
}
BENCHMARK(BM_HintLookupReunion)->Unit(benchmark::kMicrosecond);
