// Steady frames of the board renderer allocate nothing, counted with the
// test binary's counting allocation functions while drawing through a GL table
// whose entries neither record nor allocate.

#include "board_renderer/board_renderer.hpp"
#include "support/allocation_counter.hpp"
#include "support/board_renderer_fixture.hpp"
#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

namespace coilwend {
namespace {

using testing::AllocationCounter;

// The two calls the test looks at are counted.
std::size_t draw_calls = 0;
std::size_t shadow_viewports = 0;

GlFunctions silent_gl() {
    GlFunctions table = testing::silent_gl();
    table.DrawArrays = [](GLenum, GLint, GLsizei) { ++draw_calls; };
    table.Viewport = [](GLint, GLint, GLsizei width, GLsizei) {
        if (width == shadow_map_size)
            ++shadow_viewports;
    };
    return table;
}

TEST(BoardRendererAllocations, GivenASteadyFrame_ThenDrawingAllocatesNothing) {
    Puzzle puzzle = testing::parallel();
    puzzle.walls = testing::cells({{1, 2}});
    puzzle.setting = 1; // stumps: patterned scenery too
    puzzle.items = {Item{ItemKind::Shrink, {2, 2}}};
    puzzle.targets = testing::cells({{0, 2}});
    const Selection selection{0, false};
    BoardFrame frame;
    frame.puzzle = &puzzle;
    frame.history_length = 4;
    frame.selection = selection;

    fake_gl::Recorder recorder;
    testing::GlContextValues context(ShaderDialect::Desktop);
    testing::script_board_uniforms(recorder);
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    BoardRenderer renderer = BoardRenderer::create(shadow_map, scene_programs);
    renderer.set_window_size(1280, 720);
    // A first frame builds everything and grows the scratch vectors.
    renderer.draw(frame);

    const GlFunctions recording = gl;
    gl = silent_gl();
    draw_calls = 0;
    shadow_viewports = 0;
    std::size_t counted = 0;
    {
        const AllocationCounter counter;
        for (int i = 0; i < 10; ++i)
            renderer.draw(frame);
        counted = counter.count();
    }
    gl = recording;

    EXPECT_EQ(counted, 0u);
    EXPECT_EQ(draw_calls, 10u * 5u) << "four batches and the selection marker per frame";
    EXPECT_EQ(shadow_viewports, 0u) << "no shadow pass without a change";
}

TEST(BoardRendererAllocations, GivenTheCounter_WhenSomethingAllocates_ThenItIsSeen) {
    // Guards the test above against a counter that never counts.
    std::size_t counted = 0;
    {
        const AllocationCounter counter;
        auto* volatile p = new int(3);
        delete p;
        counted = counter.count();
    }
    EXPECT_EQ(counted, 1u);
}

} // namespace
} // namespace coilwend
