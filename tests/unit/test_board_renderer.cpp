// The board renderer against the recording GL fake: what it creates, which
// buffers each frame rebuilds and uploads, the order of its uniforms and
// passes, and the state its overlays change and restore.

#include "board_renderer/board_geometry.hpp"
#include "board_renderer/board_renderer.hpp"
#include "board_renderer/board_scratch.hpp"
#include "board_renderer/board_skirt.hpp"
#include "board_renderer/dynamic_geometry.hpp"
#include "support/board_renderer_fixture.hpp"
#include "support/rules_fixtures.hpp"
#include "support/stdout_to_stderr.hpp"
#include "test_board_geometry_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace coilwend {
namespace {

using fake_gl::Call;
using fake_gl::Recorder;
using testing::CallInProgram;
using testing::calls_with_program;
using testing::GlContextValues;
using testing::has_call;
using testing::ran_shadow_pass;
using testing::step_of_snake_0;

// A 4 x 3 board with three snakes (two companions), a stump and an item, so
// that every buffer has something in it.
Puzzle board() {
    Puzzle p = testing::parallel();
    p.setting = 1;
    p.walls = testing::cells({{1, 2}});
    p.items = {Item{ItemKind::Grow, {2, 2}}};
    p.targets = testing::cells({{0, 2}});
    return p;
}

struct Rig {
    Recorder gl_calls;
    GlContextValues context;
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms shared = SharedPrograms::build();
    BoardRenderer renderer;
    ScenePrograms programs;

    explicit Rig(ShaderDialect dialect = ShaderDialect::Desktop)
        : context(dialect), renderer(create(gl_calls)) {
        programs = testing::linked_programs(gl_calls);
        renderer.set_window_size(800, 600);
    }

    BoardRenderer create(Recorder& recorder) {
        testing::script_board_uniforms(recorder);
        return BoardRenderer::create(shadow_map, shared);
    }

    void draw(const Puzzle& puzzle, const MoveEvent* event, std::uint64_t history_length,
              std::optional<Selection> selection = std::nullopt,
              PromptDevice prompts = PromptDevice::Keyboard) {
        BoardFrame frame;
        frame.puzzle = &puzzle;
        frame.event = event;
        frame.history_length = history_length;
        frame.selection = selection;
        frame.prompts = prompts;
        renderer.draw(frame);
    }

    // Forget everything recorded so far, so a test sees one frame's calls.
    void forget() { gl_calls.calls.clear(); }

    std::string uniform_name(double location) const {
        for (const auto& [name, value] : gl_calls.script.uniform_locations)
            if (value == location)
                return name;
        return "?";
    }
};

std::size_t uploads(const Recorder& r) {
    return r.count("BufferData") + r.count("BufferSubData");
}

// Sizes in bytes of every upload of a frame.
std::vector<double> upload_sizes(const Recorder& r) {
    std::vector<double> sizes;
    for (const Call& call : r.calls)
        if (call.name == "BufferData" || call.name == "BufferSubData")
            sizes.push_back(call.name == "BufferData" ? call.args[1] : call.args[2]);
    return sizes;
}

TEST(BoardRendererCreate,
     GivenStartUpAndTheMapDrawingBetweenFrames_ThenTheLightAndViewAreSetAgain) {
    Rig rig;
    EXPECT_EQ(rig.gl_calls.count("GenVertexArrays"), 6u);
    EXPECT_EQ(rig.gl_calls.count("GenBuffers"), 6u);
    EXPECT_EQ(rig.gl_calls.count("GenFramebuffers"), 1u) << "the shared shadow map's alone";

    const Puzzle puzzle = board();
    const auto expect_board_light = [&] {
        const auto directions = calls_with_program(rig.gl_calls, "Uniform3f");
        const auto intensities = calls_with_program(rig.gl_calls, "Uniform1f");
        ASSERT_EQ(directions.size(), 3u);
        ASSERT_EQ(intensities.size(), 3u);
        const std::array<GLuint, 3> lit{rig.programs.mesh, rig.programs.pattern,
                                        rig.programs.facet};
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(directions[i].program, lit[i]);
            EXPECT_NEAR(directions[i].call.args[1], -0.26832816, 1e-6);
            EXPECT_NEAR(directions[i].call.args[2], -0.35777089, 1e-6);
            EXPECT_NEAR(directions[i].call.args[3], -0.89442718, 1e-6);
            EXPECT_EQ(intensities[i].program, lit[i]);
            EXPECT_NEAR(intensities[i].call.args[1], 0.45, 1e-6);
        }
    };
    rig.forget();
    rig.draw(puzzle, nullptr, 2);
    expect_board_light();
    rig.forget();
    rig.draw(puzzle, nullptr, 2);
    EXPECT_EQ(rig.gl_calls.count("Uniform1f"), 0u) << "still its own";
    EXPECT_EQ(rig.gl_calls.count("UniformMatrix4fv"), 0u);

    // The map drew with the shared programs: the same level, unchanged, sets
    // its light and its view again.
    int map = 0;
    rig.shared.uniforms_set_by(&map);
    rig.forget();
    rig.draw(puzzle, nullptr, 2);
    expect_board_light();
    EXPECT_GT(rig.gl_calls.count("UniformMatrix4fv"), 0u);
}

TEST(BoardRendererCreate, GivenGles2_ThenNoShadowFramebufferIsMade) {
    Rig rig(ShaderDialect::Gles2);
    EXPECT_EQ(rig.gl_calls.count("GenFramebuffers"), 0u);
    EXPECT_EQ(rig.gl_calls.count("GenVertexArrays"), 6u);
}

TEST(BoardRendererFirstFrame, GivenANewLevel_ThenEachBatchIsUploadedWithItsUsageHint) {
    Rig rig;
    const Puzzle puzzle = board();
    rig.forget();
    const MoveEvent event = step_of_snake_0(-0.5f);
    rig.draw(puzzle, &event, 2, Selection{0, false});

    // The same builders the renderer uses tell how large each batch is.
    std::vector<MeshVertex> ground;
    std::vector<PatternVertex> scenery;
    build_static_geometry(puzzle, ground, scenery);
    add_front_skirt(ground, puzzle);
    BoardScratch expected;
    build_dynamic_geometry(puzzle, event, expected);
    ASSERT_FALSE(scenery.empty()) << "the stump should have patterned parts";

    auto usage_of_upload = [&](std::size_t bytes) -> std::optional<double> {
        for (const Call& call : rig.gl_calls.named("BufferData"))
            if (call.args[1] == static_cast<double>(bytes))
                return call.args[3];
        return std::nullopt;
    };
    EXPECT_EQ(usage_of_upload(ground.size() * sizeof(MeshVertex)), GL_DYNAMIC_DRAW);
    EXPECT_EQ(usage_of_upload(scenery.size() * sizeof(PatternVertex)), GL_DYNAMIC_DRAW);
    EXPECT_EQ(usage_of_upload(expected.snakes.size() * sizeof(FacetVertex)), GL_STATIC_DRAW);
    EXPECT_EQ(usage_of_upload(expected.pieces.size() * sizeof(MeshVertex)), GL_STATIC_DRAW);
    EXPECT_TRUE(std::any_of(
        rig.gl_calls.calls.begin(), rig.gl_calls.calls.end(),
        [](const Call& c) { return c.name == "BufferData" && c.args[3] == GL_STREAM_DRAW; }))
        << "the selection marker goes to the stream buffer";
}

TEST(BoardRendererFirstFrame, GivenDesktop_ThenViewMatricesAreSetInProgramOrder) {
    Rig rig;
    rig.forget();
    rig.draw(board(), nullptr, 1);

    std::vector<std::pair<GLuint, std::string>> seen;
    for (const CallInProgram& c : calls_with_program(rig.gl_calls, "UniformMatrix4fv")) {
        seen.emplace_back(c.program, rig.uniform_name(c.call.args[0]));
        EXPECT_EQ(c.call.args[1], 1) << "one matrix";
        EXPECT_EQ(c.call.args[2], GL_FALSE) << "column-major, not transposed";
    }
    const ScenePrograms& p = rig.programs;
    const std::vector<std::pair<GLuint, std::string>> expected{
        {p.mesh, "proj"},        {p.mesh, "light_proj"},    {p.facet, "proj"},
        {p.facet, "light_proj"}, {p.shadow, "light_proj"},  {p.colour, "proj"},
        {p.pattern, "proj"},     {p.pattern, "light_proj"}, {p.textured, "proj"}};
    EXPECT_EQ(seen, expected);
}

TEST(BoardRendererFirstFrame, GivenGles2_ThenLightMatrixIsNeverSetAndNoShadowPassRuns) {
    Rig rig(ShaderDialect::Gles2);
    rig.forget();
    rig.draw(board(), nullptr, 1);
    for (const Call& call : rig.gl_calls.named("GetUniformLocation"))
        EXPECT_NE(call.text, "light_proj");
    EXPECT_EQ(rig.gl_calls.count("UniformMatrix4fv"), 5u);
    EXPECT_FALSE(ran_shadow_pass(rig.gl_calls));
    EXPECT_EQ(rig.gl_calls.count("BindFramebuffer"), 0u);
    EXPECT_EQ(rig.gl_calls.count("DrawArrays"), 4u) << "the main pass still draws every batch";
}

TEST(BoardRendererFirstFrame, GivenTheWindow_ThenTheCameraFitsTheBoardToIt) {
    Rig rig;
    const Puzzle puzzle = board();
    rig.draw(puzzle, nullptr, 1);
    const BoardCamera expected = make_board_camera(800, 600, puzzle.width, puzzle.height);
    EXPECT_EQ(rig.renderer.camera().view_projection.m, expected.view_projection.m);
    EXPECT_EQ(rig.renderer.camera().viewport_width, 800u);
}

// The calls of the shadow pass: from culling off to culling back on.
std::vector<Call> shadow_pass_calls(const Recorder& recorder) {
    const auto& calls = recorder.calls;
    const auto begin = std::find_if(calls.begin(), calls.end(), [](const Call& c) {
        return c.name == "Disable" && c.args[0] == GL_CULL_FACE;
    });
    const auto end = std::find_if(begin, calls.end(), [](const Call& c) {
        return c.name == "Enable" && c.args[0] == GL_CULL_FACE;
    });
    return {begin, end == calls.end() ? end : end + 1};
}

TEST(BoardRendererPasses, GivenARebuild_ThenTheShadowMapIsClearedBeforeDrawingAndStateRestored) {
    // GLES 3 has a shadow map but no glClearDepth entry point.
    for (const ShaderDialect dialect : {ShaderDialect::Desktop, ShaderDialect::Gles3}) {
        SCOPED_TRACE(dialect == ShaderDialect::Desktop ? "desktop" : "GLES 3");
        Rig rig(dialect);
        if (dialect == ShaderDialect::Gles3)
            gl.ClearDepth = nullptr;
        rig.forget();
        rig.draw(board(), nullptr, 1);

        const std::vector<Call> pass = shadow_pass_calls(rig.gl_calls);
        auto position = [&](const std::string& name, std::vector<double> args = {}) {
            return std::find_if(pass.begin(), pass.end(), [&](const Call& c) {
                return c.name == name && (args.empty() || c.args == args);
            });
        };
        const auto bound = position("BindFramebuffer");
        const auto cleared = position("Clear", {GL_DEPTH_BUFFER_BIT});
        const auto first_draw = position("DrawArrays");
        ASSERT_NE(cleared, pass.end());
        ASSERT_NE(bound, pass.end());
        EXPECT_NE(bound->args[1], 0) << "the shadow map's framebuffer is the one cleared";
        EXPECT_LT(bound, cleared);
        EXPECT_LT(cleared, first_draw) << "cleared before anything is drawn";
        EXPECT_EQ(std::count_if(pass.begin(), pass.end(),
                                [](const Call& c) { return c.name == "DrawArrays"; }),
                  4)
            << "every batch casts shadows";

        // After the last draw: program 0, the window's framebuffer, culling on.
        const std::vector<Call> after(
            std::find_if(pass.rbegin(), pass.rend(),
                         [](const Call& c) { return c.name == "DrawArrays"; })
                .base(),
            pass.end());
        auto restored = [&](const std::string& name, std::vector<double> args) {
            return std::any_of(after.begin(), after.end(),
                               [&](const Call& c) { return c.name == name && c.args == args; });
        };
        EXPECT_TRUE(restored("UseProgram", {0}));
        EXPECT_TRUE(restored("BindFramebuffer", {GL_FRAMEBUFFER, 0}));
        EXPECT_TRUE(restored("Enable", {GL_CULL_FACE}));
    }
}

TEST(BoardRendererPasses, GivenAFrame_ThenTheMainPassDrawsEachBatchWithItsProgram) {
    Rig rig;
    // One shown history entry drawn twice: the second frame reuses its geometry.
    const Puzzle shown = board();
    rig.draw(shown, nullptr, 1);
    rig.forget();
    rig.draw(shown, nullptr, 1);

    std::vector<GLuint> programs;
    for (const CallInProgram& c : calls_with_program(rig.gl_calls, "DrawArrays"))
        programs.push_back(c.program);
    const ScenePrograms& p = rig.programs;
    EXPECT_EQ(programs, (std::vector<GLuint>{p.facet, p.mesh, p.mesh, p.pattern}));
    EXPECT_TRUE(has_call(rig.gl_calls, "Viewport", {0, 0, 800, 600})) << "the drawable size";
    const auto textures = rig.gl_calls.named("BindTexture");
    ASSERT_EQ(textures.size(), 2u);
    EXPECT_NE(textures[0].args[1], 0) << "the shadow map for the lit programs";
    EXPECT_EQ(textures[1].args[1], 0) << "and unbound afterwards";
}

TEST(BoardRendererCaches, GivenNothingChanged_ThenOnlyTheMainPassAndOverlaysAreReissued) {
    Rig rig;
    const Puzzle puzzle = board();
    rig.draw(puzzle, nullptr, 3, Selection{0, false});
    rig.forget();
    rig.draw(puzzle, nullptr, 3, Selection{0, false});

    EXPECT_FALSE(ran_shadow_pass(rig.gl_calls));
    EXPECT_EQ(rig.gl_calls.count("UniformMatrix4fv"), 0u);
    EXPECT_EQ(rig.gl_calls.count("GetUniformLocation"), 0u);
    EXPECT_EQ(upload_sizes(rig.gl_calls).size(), 1u) << "only the selection marker";
    EXPECT_EQ(rig.gl_calls.count("DrawArrays"), 5u) << "four batches and the marker";
}

TEST(BoardRendererCaches, GivenAnAnimation_ThenDynamicGeometryIsRebuiltEveryFrameUntilItEnds) {
    Rig rig;
    const Puzzle puzzle = board();
    rig.draw(puzzle, nullptr, 1);

    const std::size_t dynamic_uploads = 2; // snakes and pieces
    for (const float progress : {-0.9f, -0.5f, -0.1f}) {
        rig.forget();
        const MoveEvent event = step_of_snake_0(progress);
        rig.draw(puzzle, &event, 2);
        EXPECT_EQ(uploads(rig.gl_calls), dynamic_uploads) << "progress " << progress;
        EXPECT_TRUE(ran_shadow_pass(rig.gl_calls));
        EXPECT_EQ(rig.gl_calls.count("UniformMatrix4fv"), 0u) << "the view did not change";
    }
    // The event is over: one more build shows the snake at rest, then nothing.
    rig.forget();
    rig.draw(puzzle, nullptr, 2);
    EXPECT_EQ(uploads(rig.gl_calls), dynamic_uploads);
    EXPECT_TRUE(ran_shadow_pass(rig.gl_calls));
    rig.forget();
    rig.draw(puzzle, nullptr, 2);
    EXPECT_EQ(uploads(rig.gl_calls), 0u);
    EXPECT_FALSE(ran_shadow_pass(rig.gl_calls));
}

TEST(BoardRendererCaches, GivenTheIntroOrAnIris_ThenNeitherGeometryNorShadowsAreRebuilt) {
    for (const MoveEventKind kind : {MoveEventKind::Intro, MoveEventKind::IrisIn}) {
        Rig rig;
        const Puzzle puzzle = board();
        MoveEvent event;
        event.kind = kind;
        rig.draw(puzzle, &event, 1);
        for (const float progress : {0.25f, 0.5f}) {
            rig.forget();
            event.progress = progress;
            rig.draw(puzzle, &event, 1);
            EXPECT_FALSE(ran_shadow_pass(rig.gl_calls)) << int(kind);
            EXPECT_LE(uploads(rig.gl_calls), 1u) << "the overlays at most";
        }
        // Its end shows the same snakes but still rebuilds them once.
        rig.forget();
        rig.draw(puzzle, nullptr, 1);
        EXPECT_TRUE(ran_shadow_pass(rig.gl_calls));
    }
}

TEST(BoardRendererCaches, GivenTheLastDrawnFrame_ThenOnlyThatFrameAtThatSizeShowsTheSame) {
    Rig rig;
    const Puzzle puzzle = board();
    BoardFrame frame;
    frame.puzzle = &puzzle;
    frame.history_length = 2;
    EXPECT_FALSE(rig.renderer.shows_same(frame)) << "nothing drawn yet";
    rig.renderer.draw(frame);
    EXPECT_TRUE(rig.renderer.shows_same(frame));
    BoardFrame selected = frame;
    selected.selection = Selection{0, false};
    EXPECT_FALSE(rig.renderer.shows_same(selected));
    BoardFrame hinted = frame;
    hinted.hint = HintArrow{{0, 0}, Direction{1, 0}, 1.0f};
    EXPECT_FALSE(rig.renderer.shows_same(hinted));
    rig.renderer.draw(hinted);
    EXPECT_TRUE(rig.renderer.shows_same(hinted));
    hinted.hint->strength = 0.5f;
    EXPECT_FALSE(rig.renderer.shows_same(hinted)) << "the arrow fades";
    rig.renderer.draw(frame);
    const MoveEvent event = step_of_snake_0(-0.5f);
    BoardFrame stepping = frame;
    stepping.event = &event;
    EXPECT_FALSE(rig.renderer.shows_same(stepping));
    rig.renderer.set_window_size(600, 800);
    EXPECT_FALSE(rig.renderer.shows_same(frame));
}

TEST(BoardRendererCaches, GivenAnUndoWithoutAnimation_ThenTheNewHistoryLengthRebuildsOnce) {
    Rig rig;
    const Puzzle puzzle = board();
    rig.draw(puzzle, nullptr, 5);
    rig.forget();
    rig.draw(puzzle, nullptr, 4);
    EXPECT_EQ(uploads(rig.gl_calls), 2u);
    EXPECT_TRUE(ran_shadow_pass(rig.gl_calls));
    rig.forget();
    rig.draw(puzzle, nullptr, 4);
    EXPECT_EQ(uploads(rig.gl_calls), 0u);
}

TEST(BoardRendererCaches, GivenANewWindowSizeOrLevel_ThenEverythingIsRebuilt) {
    Rig rig;
    Puzzle puzzle = board();
    rig.draw(puzzle, nullptr, 1);

    rig.forget();
    rig.renderer.set_window_size(600, 800);
    rig.draw(puzzle, nullptr, 1);
    EXPECT_EQ(uploads(rig.gl_calls), 4u) << "ground, scenery, snakes, pieces";
    EXPECT_EQ(rig.gl_calls.count("UniformMatrix4fv"), 9u);
    EXPECT_EQ(rig.renderer.camera().viewport_height, 800u);

    rig.forget();
    puzzle.name = "Another Level";
    rig.draw(puzzle, nullptr, 1);
    EXPECT_EQ(uploads(rig.gl_calls), 4u);

    rig.forget();
    rig.draw(puzzle, nullptr, 1);
    EXPECT_EQ(uploads(rig.gl_calls), 0u);
}

// The overlay draws of one frame, with the depth test state each ran under.
struct OverlayDraw {
    GLenum mode;
    double count;
    bool depth_test;
    GLuint program;
};

std::vector<OverlayDraw> overlay_draws(const Rig& rig) {
    std::vector<OverlayDraw> draws;
    bool depth = true;
    GLuint program = 0;
    for (const Call& call : rig.gl_calls.calls) {
        if (call.name == "Disable" && call.args[0] == GL_DEPTH_TEST)
            depth = false;
        else if (call.name == "Enable" && call.args[0] == GL_DEPTH_TEST)
            depth = true;
        else if (call.name == "UseProgram")
            program = static_cast<GLuint>(call.args[0]);
        else if (call.name == "DrawArrays" &&
                 (program == rig.programs.colour || program == rig.programs.textured))
            draws.push_back({static_cast<GLenum>(call.args[0]), call.args[2], depth, program});
    }
    return draws;
}

TEST(BoardRendererOverlays, GivenTheOpeningOrClosingIris_ThenOneStripIsDrawnWithoutDepthTest) {
    for (const MoveEventKind kind : {MoveEventKind::IrisIn, MoveEventKind::Leaving}) {
        Rig rig;
        MoveEvent event;
        event.kind = kind;
        event.progress = 0.5f;
        rig.draw(board(), &event, 1, Selection{0, false});

        const auto draws = overlay_draws(rig);
        ASSERT_EQ(draws.size(), 2u);
        EXPECT_EQ(draws[0].mode, GLenum{GL_TRIANGLES}) << "the selection marker first";
        EXPECT_TRUE(draws[0].depth_test);
        EXPECT_EQ(draws[1].mode, GLenum{GL_TRIANGLE_STRIP});
        EXPECT_EQ(draws[1].count, 82);
        EXPECT_FALSE(draws[1].depth_test);
        EXPECT_EQ(rig.gl_calls.calls.back().name, "Enable");
        EXPECT_EQ(rig.gl_calls.calls.back().args[0], GL_DEPTH_TEST) << "restored at the end";
    }
}

TEST(BoardRendererOverlays, GivenTheFirstLevelsIntro_ThenOnlyMouseUsersSeeTheRing) {
    MoveEvent intro;
    intro.kind = MoveEventKind::Intro;
    intro.progress = 0.5f;
    {
        Rig rig;
        rig.draw(board(), &intro, 1, std::nullopt, PromptDevice::Mouse);
        const auto draws = overlay_draws(rig);
        ASSERT_EQ(draws.size(), 1u);
        EXPECT_EQ(draws[0].mode, GLenum{GL_TRIANGLES});
        EXPECT_EQ(draws[0].count, 32 * 6) << "a ring of 32 quads";
    }
    {
        Rig rig;
        rig.draw(board(), &intro, 1, std::nullopt, PromptDevice::Keyboard);
        EXPECT_TRUE(overlay_draws(rig).empty()) << "keyboard users get an icon, not the ring";
    }
}

TEST(BoardRendererOverlays, GivenNoIconAtlas_ThenIconOverlaysAreSkipped) {
    Rig rig;
    MoveEvent intro;
    intro.kind = MoveEventKind::Intro;
    rig.draw(board(), &intro, 1, std::nullopt, PromptDevice::Keyboard);
    EXPECT_TRUE(calls_with_program(rig.gl_calls, "BlendFunc").empty());
    for (const CallInProgram& c : calls_with_program(rig.gl_calls, "DrawArrays"))
        EXPECT_NE(c.program, rig.programs.textured);
}

TEST(BoardRendererOverlays, GivenAnAtlas_ThenTheIntroIconIsDrawnPremultipliedAndStateRestored) {
    Rig rig;
    const std::vector<UvRect> rects(20);
    rig.renderer.set_icon_atlas({77, rects});
    MoveEvent intro;
    intro.kind = MoveEventKind::Intro;
    intro.progress = 2.0f;
    rig.draw(board(), &intro, 1, std::nullopt, PromptDevice::Controller);

    const auto draws = overlay_draws(rig);
    ASSERT_EQ(draws.size(), 1u);
    EXPECT_EQ(draws[0].program, rig.programs.textured);
    EXPECT_EQ(draws[0].count, 6) << "one square";
    EXPECT_FALSE(draws[0].depth_test);
    EXPECT_TRUE(has_call(rig.gl_calls, "BindTexture", {GL_TEXTURE_2D, 77}));
    const auto blends = rig.gl_calls.named("BlendFunc");
    ASSERT_EQ(blends.size(), 2u);
    EXPECT_EQ(blends[0].args, (std::vector<double>{GL_ONE, GL_ONE_MINUS_SRC_ALPHA}));
    EXPECT_EQ(blends[1].args, (std::vector<double>{GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA}));
}

TEST(BoardStatic, GivenAnExitInTheFrontRow_ThenItsFunnelNeverShowsBelowTheBoardsEdge) {
    Puzzle puzzle = testing::open_board(4, 2);
    puzzle.exit = {1, 0};
    std::vector<MeshVertex> ground;
    std::vector<PatternVertex> scenery;
    build_static_geometry(puzzle, ground, scenery);
    add_front_skirt(ground, puzzle);

    // Only faces turned to the viewer are drawn (the rest are culled).
    const Vec3 view = testing::camera_view_direction();
    std::vector<testing::Triangle> drawn;
    for (const testing::Triangle& t : testing::triangles_of(ground))
        if (dot(t.face(), view) < 0)
            drawn.push_back(t);

    // Rays passing under the front edge, all across the exit's column.
    int funnel_seen = 0, rays = 0;
    for (float x = 0.52f; x <= 1.48f; x += 0.05f)
        for (float z = -0.1f; z >= -4.9f; z -= 0.2f) {
            const Vec3 below_edge{x, -0.5f, z};
            const auto* hit = testing::first_hit(drawn, below_edge - view * 20.0f, view);
            ++rays;
            if (hit != nullptr && std::fabs(hit->a.y + 0.5f) > 1e-4f)
                ++funnel_seen;
        }
    EXPECT_EQ(funnel_seen, 0) << "of " << rays << " rays";
}

TEST(BoardRendererDeathTest, GivenNoDrawableSize_ThenDrawingStopsTheProgram) {
    Rig rig;
    set_drawable_size(0, 0);
    const Puzzle puzzle = board();
    EXPECT_DEATH(coilwend::testing::stdout_to_stderr([&] { rig.draw(puzzle, nullptr, 1); }),
                 "Need to set resolution");
}

} // namespace
} // namespace coilwend
