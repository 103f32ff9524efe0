// The overworld frame's CPU work without GL: the markers rebuilt from a map
// with about 30 levels won, the plume ticked and turned into quads once full,
// and the light's matrix. Budget 1 ms.

#include "overworld_rendering/map_markers.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "overworld_rendering/plume.hpp"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace coilwend;

namespace {

void BM_OverworldFrameCpu(benchmark::State& state) {
    std::vector<OverworldEntry> levels = build_overworld_table();
    for (std::size_t i = 0; i < levels.size() - 1; ++i)
        levels[i].state = i < 30 ? State::Completed : i < 36 ? State::Available : State::Hidden;
    OverworldFrame frame;
    frame.levels = levels;
    frame.selected = 31;
    frame.proj = Mat4::identity();
    frame.window_width = frame.drawable_width = 1280;
    frame.window_height = frame.drawable_height = 720;
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
