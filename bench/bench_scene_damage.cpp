// What finding a frame's changed region costs: the map's cursor against its
// last frame (the markers of a map with about 30 levels won compared byte for
// byte), a snake stepping on the catalogue level with the most moving
// geometry (the snakes and pieces compared with the last frame's), the map's
// still batches that reach the cursor's region, and the interface compared
// with its last frame. All run on every drawn frame; budget 0.2 ms each. The
// counters show the share of the 1280 x 720 frame left to redraw, or of the
// map's vertices left to draw.

#include "map_fixture.hpp"

#include "board_renderer/board_damage.hpp"
#include "board_renderer/board_renderer.hpp"
#include "board_renderer/board_scratch.hpp"
#include "board_renderer/dynamic_geometry.hpp"
#include "game/board_camera.hpp"
#include "graphics/batch_bounds.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "overworld_rendering/map_damage.hpp"
#include "overworld_rendering/map_geometry.hpp"
#include "overworld_rendering/map_markers.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "ui/ui_damage.hpp"

#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

using namespace coilwend;

namespace {

constexpr std::uint32_t kWidth = 1280, kHeight = 720;

void BM_MapDamageBreathingCursor(benchmark::State& state) {
    const std::vector<OverworldEntry> levels = bench::third_of_the_way_levels();
    OverworldFrame frame = bench::third_of_the_way_frame(levels);
    frame.proj = ortho(-6, 6, -3.4f, 3.4f, -5, 5) * translate({-94.5f, -104.5f, 0});
    frame.zoom = 1.0f / 3;
    MapView view;
    view.proj = frame.proj;
    view.light = overworld_light_matrix(kWidth, kHeight, frame.zoom, {94.5f, 104.5f, 0});
    view.drawable_width = kWidth;
    view.drawable_height = kHeight;
    view.shadow_size = 2048;
    view.zoom = frame.zoom;
    std::vector<MeshVertex> markers;
    MapDamage damage;
    MapRegions regions;
    for (auto _ : state) {
        state.PauseTiming();
        frame.scenery_phase = std::fmod(frame.scenery_phase + 0.015f, 1.0f);
        const std::size_t cursor_at = build_map_markers(frame, markers);
        state.ResumeTiming();
        regions = damage.next(view, markers, cursor_at, WorldBox{}, true);
        benchmark::DoNotOptimize(regions);
    }
    state.counters["redrawn %"] = 100.0 * double(regions.screen.area()) / (kWidth * kHeight);
}
BENCHMARK(BM_MapDamageBreathingCursor)->Unit(benchmark::kMicrosecond);

// The catalogue level with the most snake and piece vertices.
const Level& busiest_level() {
    const Level* best = &level_definitions().front();
    std::size_t most = 0;
    BoardScratch scratch;
    for (const Level& level : level_definitions()) {
        build_dynamic_geometry(level.puzzle, MoveEvent{}, scratch);
        if (const std::size_t n = scratch.snakes.size() + scratch.pieces.size(); n > most) {
            most = n;
            best = &level;
        }
    }
    return *best;
}

void BM_BoardDamageSteppingSnake(benchmark::State& state) {
    const Level& level = busiest_level();
    LevelPlay play = start_keyboard_play(level.puzzle);
    const std::string_view letters = stored_solution(level.id);
    play_letters(play, letters.substr(0, letters.find_first_of("UDLR") + 1));
    if (play.events.empty()) {
        state.SkipWithError("the first move plays no event");
        return;
    }
    MoveEvent event = play.events.back();
    const Puzzle& shown = play.history[event.history_index].puzzle;
    const BoardCamera camera = make_board_camera(kWidth, kHeight, shown.width, shown.height);
    const Mat4 light = board_light_matrix(shown.width, shown.height);
    BoardScratch scratch;
    BoardDamage damage;
    BoardRegions regions;
    const float start = event.progress;
    int step = 0;
    for (auto _ : state) {
        state.PauseTiming();
        event.progress = start * (1.0f - 0.1f * float(step++ % 10));
        build_dynamic_geometry(shown, event, scratch);
        state.ResumeTiming();
        BoardFrameGeometry frame;
        frame.camera = &camera.view_projection;
        frame.light = &light;
        frame.drawable_width = kWidth;
        frame.drawable_height = kHeight;
        frame.shadow_size = 2048;
        frame.exit = shown.exit;
        frame.dynamic_rebuilt = true;
        frame.snakes = scratch.snakes;
        frame.pieces = scratch.pieces;
        regions = damage.next(frame, kLightDirection, false);
        benchmark::DoNotOptimize(regions);
    }
    state.SetLabel(std::string(level.id) + " " + std::string(level.puzzle.name));
    state.counters["redrawn %"] = 100.0 * double(regions.screen.area()) / (kWidth * kHeight);
}
BENCHMARK(BM_BoardDamageSteppingSnake)->Unit(benchmark::kMicrosecond);

void BM_MapBatchesReachingTheCursor(benchmark::State& state) {
    const MapGeometry map = build_map_geometry(bench::third_of_the_way_levels());
    BatchBounds ground = BatchBounds::of(std::span<const PatternVertex>(map.pattern));
    const Mat4 proj = ortho(-6, 6, -3.4f, 3.4f, -5, 5) * translate({-94.5f, -104.5f, 0});
    const PixelRect cursor{750, 110, 1120, 530};
    std::size_t drawn = 0;
    for (auto _ : state) {
        const std::span<const VertexRun> runs = ground.reaching(proj, kWidth, kHeight, cursor);
        drawn = 0;
        for (const VertexRun& run : runs)
            drawn += run.count;
        benchmark::DoNotOptimize(drawn);
    }
    state.counters["drawn %"] = 100.0 * double(drawn) / double(ground.vertex_count());
}
BENCHMARK(BM_MapBatchesReachingTheCursor)->Unit(benchmark::kMicrosecond);

// The menu's worth of interface: 600 glyph quads and a few panels and faces,
// one face changing shade each frame (a hovered button).
void BM_UiDamageHoveredButton(benchmark::State& state) {
    std::vector<float> glyphs, flat;
    for (int q = 0; q < 600; ++q)
        for (int v = 0; v < 6; ++v)
            glyphs.insert(glyphs.end(), {float(q % 60) * 20 + float(v % 2) * 18,
                                         float(q / 60) * 40 + float(v / 3) * 30, 0, 0, 1, 1, 1, 1});
    for (int q = 0; q < 8; ++q)
        for (int v = 0; v < 6; ++v)
            flat.insert(flat.end(), {-0.5f + 0.1f * float(q) + 0.05f * float(v % 2),
                                     0.5f - 0.1f * float(v / 3), 1, 1, 1, 0.16f});
    UiDamage damage;
    PixelRect changed;
    int frame = 0;
    for (auto _ : state) {
        flat[5] = (++frame % 2) != 0 ? 0.16f : 0.3f;
        damage.begin(kWidth, kHeight);
        damage.layer(flat, 6, UiSpace::Clip);
        damage.layer(glyphs, 8, UiSpace::Pixels);
        changed = damage.end();
        benchmark::DoNotOptimize(changed);
    }
    state.counters["redrawn %"] = 100.0 * double(changed.area()) / (kWidth * kHeight);
}
BENCHMARK(BM_UiDamageHoveredButton)->Unit(benchmark::kMicrosecond);

} // namespace
