// How long the solver takes: one worked board, and the whole catalogue as
// the level list is regenerated (the target is well under a minute on two cores).

#include "levels/catalogue.hpp"
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
