// The overworld frame's CPU work without GL: the markers rebuilt from a map
// with about 30 levels won, the plume ticked and turned into quads once full,
// and the light's matrix. Budget 1 ms.

#include "map_fixture.hpp"
#include "overworld_rendering/map_markers.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "overworld_rendering/plume.hpp"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace coilwend;

namespace {

void BM_OverworldFrameCpu(benchmark::State& state) {
    const std::vector<OverworldEntry> levels = bench::third_of_the_way_levels();
    OverworldFrame frame = bench::third_of_the_way_frame(levels);
    Plume plume;
    while (plume.size() < Plume::kCapacity)
        plume.tick(PlumeColours::White);
    std::vector<MeshVertex> markers;
    std::vector<PointVertex> quads;
    // The renderer reuses its vectors, so a steady frame allocates only when
    // one of them has to grow; counting growths counts the frame's allocations.
    auto one_frame = [&] {
        frame.scenery_phase = std::fmod(frame.scenery_phase + 0.015f, 1.0f);
        build_map_markers(frame, markers);
        plume.tick(PlumeColours::White);
        plume.build_quads(quads);
        benchmark::DoNotOptimize(overworld_light_matrix(frame.window_width, frame.window_height,
                                                        frame.zoom, frame.camera_target));
    };
    one_frame();
    std::size_t growths = 0;
    for (auto _ : state) {
        const std::size_t capacities = markers.capacity() + quads.capacity();
        one_frame();
        benchmark::DoNotOptimize(markers.data());
        benchmark::DoNotOptimize(quads.data());
        growths += markers.capacity() + quads.capacity() != capacities;
    }
    state.counters["vertices"] = double(markers.size() + quads.size());
    state.counters["growths"] = double(growths);
}
BENCHMARK(BM_OverworldFrameCpu)->Unit(benchmark::kMicrosecond);

} // namespace
