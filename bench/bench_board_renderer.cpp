// What one frame of a played level costs the board renderer on the CPU, on
// the catalogue level with the most geometry: the dynamic build of an
// animated frame (budget 1 ms), the static build after entering the level or
// resizing (budget 5 ms), and a steady frame through the renderer with a GL
// table that does nothing.

#include "board_renderer/board_geometry.hpp"
#include "board_renderer/board_renderer.hpp"
#include "board_renderer/board_scratch.hpp"
#include "board_renderer/board_skirt.hpp"
#include "board_renderer/dynamic_geometry.hpp"
#include "graphics/gl_context_info.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <benchmark/benchmark.h>

using namespace coilwend;

namespace {

std::size_t static_vertices(const Puzzle& puzzle) {
    std::vector<MeshVertex> ground;
    std::vector<PatternVertex> scenery;
    build_static_geometry(puzzle, ground, scenery);
    return ground.size() + scenery.size();
}

std::size_t dynamic_vertices(const Puzzle& puzzle) {
    BoardScratch scratch;
    build_dynamic_geometry(puzzle, MoveEvent{}, scratch);
    return scratch.snakes.size() + scratch.pieces.size();
}

template <class Size> const Level& level_with_most(Size size) {
    const Level* best = &level_definitions().front();
    std::size_t most = 0;
    for (const Level& level : level_definitions())
        if (const std::size_t n = size(level.puzzle); n > most) {
            most = n;
            best = &level;
        }
    return *best;
}

// The level's first solving move, half played.
struct AnimatedFrame {
    LevelPlay play;
    MoveEvent event;
};

AnimatedFrame first_move_half_played(const Level& level) {
    AnimatedFrame frame{start_keyboard_play(level.puzzle), {}};
    const std::string_view letters = stored_solution(level.id);
    const std::size_t first_move = letters.find_first_of("UDLR");
    if (first_move != std::string_view::npos)
        play_letters(frame.play, letters.substr(0, first_move + 1));
    if (!frame.play.events.empty()) {
        frame.event = frame.play.events.back();
        frame.event.progress *= 0.5f;
    }
    return frame;
}

void BM_DynamicGeometryAnimatedFrame(benchmark::State& state) {
    const Level& level = level_with_most(dynamic_vertices);
    const AnimatedFrame frame = first_move_half_played(level);
    const Puzzle& shown = frame.play.history[frame.event.history_index].puzzle;
    BoardScratch scratch;
    for (auto _ : state) {
        build_dynamic_geometry(shown, frame.event, scratch);
        benchmark::DoNotOptimize(scratch.snakes.data());
        benchmark::DoNotOptimize(scratch.pieces.data());
    }
    state.SetLabel(std::string(level.id) + " " + std::string(level.puzzle.name));
    state.counters["vertices"] = double(scratch.snakes.size() + scratch.pieces.size());
}
BENCHMARK(BM_DynamicGeometryAnimatedFrame)->Unit(benchmark::kMicrosecond);

void BM_StaticGeometryLargestLevel(benchmark::State& state) {
    const Level& level = level_with_most(static_vertices);
    BoardScratch scratch;
    for (auto _ : state) {
        build_static_geometry(level.puzzle, scratch.ground, scratch.scenery);
        add_front_skirt(scratch.ground, level.puzzle);
        benchmark::DoNotOptimize(scratch.ground.data());
        benchmark::DoNotOptimize(scratch.scenery.data());
    }
    state.SetLabel(std::string(level.id) + " " + std::string(level.puzzle.name));
    state.counters["vertices"] = double(scratch.ground.size() + scratch.scenery.size());
}
BENCHMARK(BM_StaticGeometryLargestLevel)->Unit(benchmark::kMicrosecond);

// Every GL entry answers 0 and does nothing; framebuffer checks pass.
template <class Function> struct Inert;
template <class Result, class... Args> struct Inert<Result(APIENTRYP)(Args...)> {
    static Result APIENTRY call(Args...) { return Result{}; }
};

void use_inert_gl() {
#define COILWEND_INERT_ENTRY(ret, name, params) gl.name = &Inert<decltype(gl.name)>::call;
    COILWEND_GL_FUNCTIONS(COILWEND_INERT_ENTRY)
#undef COILWEND_INERT_ENTRY
    gl.CheckFramebufferStatus = [](GLenum) -> GLenum { return GL_FRAMEBUFFER_COMPLETE; };
    gl.GetShaderiv = [](GLuint, GLenum, GLint* out) { *out = GL_TRUE; };
    gl.GetProgramiv = [](GLuint, GLenum, GLint* out) { *out = GL_TRUE; };
}

void BM_SteadyFrameThroughRenderer(benchmark::State& state) {
    const GlFunctions saved = gl;
    use_inert_gl();
    set_system_framebuffer(0);
    set_drawable_size(1280, 720);
    const Level& level = level_with_most(static_vertices);
    const LevelPlay play = start_keyboard_play(level.puzzle);
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    BoardRenderer renderer = BoardRenderer::create(shadow_map, scene_programs);
    renderer.set_window_size(1280, 720);
    BoardFrame frame;
    frame.puzzle = &play.current();
    frame.history_length = play.history.size();
    frame.selection = play.selection;
    renderer.draw(frame);
    for (auto _ : state)
        renderer.draw(frame);
    gl = saved;
}
BENCHMARK(BM_SteadyFrameThroughRenderer)->Unit(benchmark::kMicrosecond);

} // namespace
