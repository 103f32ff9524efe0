// The overworld renderer against the recording GL fake: what it creates, the
// order of its passes under each dialect, its light, and that steady frames
// allocate nothing.

#include "overworld_rendering/overworld_renderer.hpp"
#include "support/allocation_counter.hpp"
#include "support/board_renderer_fixture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace coilwend {
namespace {

using fake_gl::Recorder;
using testing::calls_with_program;
using testing::GlContextValues;
using testing::has_call;
using testing::ran_shadow_pass;

OverworldPrograms linked_programs(const Recorder& recorder) {
    const auto links = recorder.named("LinkProgram");
    auto name = [&](std::size_t i) {
        return i < links.size() ? static_cast<GLuint>(links[i].args[0]) : 0u;
    };
    // Built in this order: the board's set (mesh, pattern, facet, shadow,
    // colour, textured), then the map's own: one pattern program per pattern
    // (desktop and GLES 3) and the point program.
    const std::size_t variants = links.size() > 7 ? kPatternCount : 0;
    OverworldPrograms programs;
    programs.mesh = name(0);
    programs.pattern = name(1);
    programs.shadow = name(3);
    programs.colour = name(4);
    for (std::size_t i = 0; i < variants; ++i)
        programs.pattern_for[i] = name(6 + i);
    programs.point = name(6 + variants);
    return programs;
}

struct Rig {
    Recorder gl_calls;
    GlContextValues context;
    std::vector<OverworldEntry> levels = build_overworld_table();
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    OverworldRenderer renderer;
    OverworldPrograms programs;

    explicit Rig(ShaderDialect dialect = ShaderDialect::Desktop)
        : context(dialect), renderer(create(gl_calls)), programs(linked_programs(gl_calls)) {}

    OverworldRenderer create(Recorder& recorder) {
        testing::script_board_uniforms(recorder);
        return OverworldRenderer::create(shadow_map, scene_programs);
    }

    OverworldFrame frame() const {
        OverworldFrame f;
        f.levels = levels;
        f.proj = Mat4::identity();
        f.proj.at(0, 3) = 0.25f;
        f.camera_target = {99, 100, 0};
        f.window_width = f.drawable_width = 800;
        f.window_height = f.drawable_height = 600;
        return f;
    }
};

std::vector<GLuint> draw_programs(const Recorder& recorder) {
    std::vector<GLuint> programs;
    for (const auto& c : calls_with_program(recorder, "DrawArrays"))
        programs.push_back(c.program);
    return programs;
}

TEST(OverworldRenderer, GivenCreation_ThenTheLightIsSetAndTheMapUploadedOnce) {
    Rig rig;
    const OverworldPrograms& p = rig.programs;
    // Its own programs get the light now; those it shares with the board at
    // its first frame, and again whenever the board set its own since.
    const auto intensities = calls_with_program(rig.gl_calls, "Uniform1f");
    ASSERT_EQ(intensities.size(), kPatternCount);
    for (std::size_t i = 0; i < kPatternCount; ++i)
        EXPECT_EQ(intensities[i].program, p.pattern_for[i]);
    EXPECT_FLOAT_EQ(intensities[0].call.args[1], 0.4f);
    // Scenery then ground, both kept; nothing else is uploaded yet.
    const auto uploads = rig.gl_calls.named("BufferData");
    ASSERT_EQ(uploads.size(), 2u);
    EXPECT_EQ(uploads[0].args[3], GL_DYNAMIC_DRAW);
    EXPECT_EQ(uploads[1].args[3], GL_DYNAMIC_DRAW);
    EXPECT_EQ(rig.gl_calls.count("GenFramebuffers"), 1u) << "the shared shadow map";

    const auto shared_light = [&] {
        std::vector<GLuint> lit;
        for (const auto& intensity : calls_with_program(rig.gl_calls, "Uniform1f")) {
            EXPECT_FLOAT_EQ(intensity.call.args[1], 0.4f);
            lit.push_back(intensity.program);
        }
        return lit;
    };
    rig.gl_calls.calls.clear();
    rig.renderer.draw(rig.frame());
    EXPECT_EQ(shared_light(), (std::vector<GLuint>{p.mesh, p.pattern}));
    int board = 0;
    rig.scene_programs.uniforms_set_by(&board);
    rig.gl_calls.calls.clear();
    rig.renderer.draw(rig.frame());
    EXPECT_EQ(shared_light(), (std::vector<GLuint>{p.mesh, p.pattern})) << "after the board's";

    rig.gl_calls.calls.clear();
    for (int i = 0; i < 3; ++i)
        rig.renderer.draw(rig.frame());
    EXPECT_TRUE(shared_light().empty());
    for (const auto& upload : rig.gl_calls.named("BufferData"))
        EXPECT_EQ(upload.args[3], GL_STREAM_DRAW) << "only the markers and the plume per frame";
}

TEST(OverworldRenderer, GivenAFrameWithTheMenuOpen_ThenThePassesRunInOrder) {
    Rig rig;
    OverworldFrame frame = rig.frame();
    for (int i = 0; i < 4; ++i) { // the plume's first particle comes on the fourth pass
        rig.renderer.advance_scenery(false);
        rig.renderer.draw(frame);
    }
    rig.gl_calls.calls.clear();
    frame.menu_open = true;
    frame.scenery_phase = 0.25f; // the cursor breathes, so its shadow is drawn again
    rig.renderer.draw(frame);

    const OverworldPrograms& p = rig.programs;
    // The ground is drawn in runs of one pattern, each with its own program.
    std::vector<GLuint> drawn = draw_programs(rig.gl_calls);
    const auto ground_begin = drawn.begin() + 5;
    const auto ground_end = std::find(ground_begin, drawn.end(), p.point);
    ASSERT_NE(ground_begin, ground_end);
    EXPECT_TRUE(std::all_of(ground_begin, ground_end, [&](GLuint program) {
        return std::find(p.pattern_for.begin(), p.pattern_for.end(), program) !=
               p.pattern_for.end();
    }));
    drawn.erase(ground_begin + 1, ground_end);
    EXPECT_EQ(drawn, (std::vector<GLuint>{p.shadow, p.shadow, p.shadow, p.mesh, p.mesh, drawn[5],
                                          p.point, p.colour}));
    EXPECT_TRUE(has_call(rig.gl_calls, "Viewport", {0, 0, 800, 600}));
    EXPECT_TRUE(has_call(rig.gl_calls, "ClearDepth", {1.0}));
    for (const GLuint program : {p.mesh, p.pattern, p.point}) {
        bool proj_set = false;
        for (const auto& c : calls_with_program(rig.gl_calls, "UniformMatrix4fv"))
            proj_set |= c.program == program && c.call.args[0] == 10 /* "proj" */;
        EXPECT_TRUE(proj_set) << "program " << program;
    }

    // The plume is drawn with depth test and writes off, and both come back.
    const auto& calls = rig.gl_calls.calls;
    auto at = [&](const char* name, double arg) {
        return std::find_if(calls.begin(), calls.end(), [&](const fake_gl::Call& c) {
            return c.name == name && c.args[0] == arg;
        });
    };
    const auto off = at("DepthMask", GL_FALSE), on = at("DepthMask", GL_TRUE);
    ASSERT_NE(on, calls.end());
    EXPECT_LT(at("Disable", GL_DEPTH_TEST), off);
    EXPECT_EQ(std::count_if(off, on, [](const auto& c) { return c.name == "DrawArrays"; }), 1);
    EXPECT_LT(on, at("Enable", GL_DEPTH_TEST));
}

TEST(OverworldRenderer, GivenGles_ThenNoShadowUnderGles2AndNoClearDepthWhereItIsMissing) {
    {
        Rig rig(ShaderDialect::Gles2);
        rig.gl_calls.calls.clear();
        rig.renderer.draw(rig.frame());
        EXPECT_FALSE(ran_shadow_pass(rig.gl_calls));
        const OverworldPrograms& p = rig.programs;
        EXPECT_EQ(draw_programs(rig.gl_calls), (std::vector<GLuint>{p.mesh, p.mesh, p.pattern}));
        for (const auto& c : rig.gl_calls.named("GetUniformLocation"))
            EXPECT_NE(c.text, "light_proj");
    }
    {
        Rig rig(ShaderDialect::Gles3);
        gl.ClearDepth = nullptr; // as a GLES context loads it
        rig.gl_calls.calls.clear();
        rig.renderer.draw(rig.frame());
        EXPECT_TRUE(ran_shadow_pass(rig.gl_calls));
        EXPECT_TRUE(has_call(rig.gl_calls, "Clear", {GL_DEPTH_BUFFER_BIT}));
    }
}

TEST(OverworldRenderer, GivenTheCamera_ThenTheLightLooksAtItsTargetAndLiftsTheHighPoints) {
    const Vec3 target{94.5f, 104.5f, 0};
    const Mat4 light = overworld_light_matrix(1280, 720, 1.0f / 3, target);
    const Vec4 centre = light * Vec4{target.x, target.y, 0, 1};
    EXPECT_NEAR(centre.x, 0, 1e-5f);
    EXPECT_NEAR(centre.y, 0, 1e-5f);
    const Vec4 above = light * Vec4{target.x, target.y, 1, 1};
    EXPECT_LT(above.z, centre.z) << "nearer the light";
    // At the whole-map zoom the light sees the map to its corners.
    const Vec4 corner = light * Vec4{target.x + 5.5f, target.y - 5.5f, 0, 1};
    EXPECT_LE(std::fabs(corner.x), 1.0f);
    EXPECT_LE(std::fabs(corner.y), 1.0f);
}

TEST(OverworldRendererAllocations, GivenSteadyFrames_ThenDrawingAllocatesNothing) {
    Rig rig;
    for (OverworldEntry& entry : rig.levels) // a marker on every level, coloured plume
        entry.state = State::Completed;
    OverworldFrame frame = rig.frame();
    const std::array<Pos, 1> revealed{{{99, 101}}};
    frame.revealed_cells = revealed;
    frame.reveal_progress = 0.5f;
    frame.menu_open = true;
    rig.renderer.draw(frame);

    const GlFunctions recording = gl;
    gl = testing::silent_gl();
    std::size_t counted = 0;
    {
        const testing::AllocationCounter counter;
        // Long enough for the plume to fill up and start recycling.
        for (int i = 0; i < 820; ++i) {
            frame.scenery_phase = float(i % 67) / 67;
            rig.renderer.advance_scenery(true);
            rig.renderer.draw(frame);
        }
        counted = counter.count();
    }
    gl = recording;
    EXPECT_EQ(counted, 0u);
    EXPECT_EQ(rig.renderer.plume().size(), Plume::kCapacity);
}

} // namespace
} // namespace coilwend
