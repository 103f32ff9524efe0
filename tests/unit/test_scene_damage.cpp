// What a partial redraw covers: the pixels a box of the world lands on, the
// shadow a box can cast, the span of geometry that changed between frames,
// and the regions the map and the board redraw from them. Every change must
// fall inside what is redrawn, or the kept picture would show stale pixels.

#include "board_renderer/board_damage.hpp"
#include "board_renderer/board_renderer.hpp"
#include "graphics/batch_bounds.hpp"
#include "graphics/pixel_rect.hpp"
#include "graphics/scene_canvas.hpp"
#include "overworld_rendering/map_damage.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "support/board_renderer_fixture.hpp"
#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

namespace coilwend {
namespace {

using fake_gl::Recorder;
using testing::GlContextValues;
using testing::step_of_snake_0;

float uniform(std::mt19937& random, float lo, float hi) {
    return std::uniform_real_distribution<float>(lo, hi)(random);
}

Vec3 random_point(std::mt19937& random, const WorldBox& box) {
    return {uniform(random, box.lo.x, box.hi.x), uniform(random, box.lo.y, box.hi.y),
            uniform(random, box.lo.z, box.hi.z)};
}

WorldBox random_box(std::mt19937& random) {
    WorldBox box;
    box.add(Vec3{uniform(random, -3, 3), uniform(random, -3, 3), uniform(random, -1, 1)});
    box.add(Vec3{uniform(random, -3, 3), uniform(random, -3, 3), uniform(random, -1, 1)});
    return box;
}

bool contains(const WorldBox& box, Vec3 p) {
    constexpr float e = 1e-4f;
    return p.x >= box.lo.x - e && p.x <= box.hi.x + e && p.y >= box.lo.y - e &&
           p.y <= box.hi.y + e && p.z >= box.lo.z - e && p.z <= box.hi.z + e;
}

// Where a point of the world lands, in GL pixels from the lower left.
Vec3 pixel_of(const Mat4& view_projection, Vec3 p, std::uint32_t width, std::uint32_t height) {
    const Vec4 clip = view_projection * Vec4{p.x, p.y, p.z, 1};
    return {(clip.x / clip.w + 1) * 0.5f * float(width),
            (clip.y / clip.w + 1) * 0.5f * float(height), 0};
}

bool inside(const PixelRect& r, Vec3 pixel) {
    return pixel.x >= float(r.x0) && pixel.x <= float(r.x1) && pixel.y >= float(r.y0) &&
           pixel.y <= float(r.y1);
}

TEST(DamageGeometry, GivenRandomBoxes_ThenTheirPixelsAndShadowsHoldEveryPointTheyCanTouch) {
    std::mt19937 random(15);
    const Mat4 view = ortho(-4, 4, -3, 3, -5, 5) * rotate_x(-0.3f);
    constexpr std::uint32_t kWidth = 640, kHeight = 480;
    const Vec3 light = normalize({-0.3f, -0.4f, -1.0f});
    for (int trial = 0; trial < 200; ++trial) {
        const WorldBox box = random_box(random);
        const PixelRect pixels = box_pixels(view, box, kWidth, kHeight, 2);
        const float floor_z = uniform(random, -2, 0);
        const WorldBox shadowed = with_shadow(box, light, floor_z);
        for (int i = 0; i < 20; ++i) {
            const Vec3 p = random_point(random, box);
            const Vec3 pixel = pixel_of(view, p, kWidth, kHeight);
            if (pixel.x >= 0 && pixel.x <= kWidth && pixel.y >= 0 && pixel.y <= kHeight) {
                EXPECT_TRUE(inside(pixels, pixel)) << "trial " << trial;
            }
            // The point's shadow on any receiver between the floor and itself.
            const float receiver = uniform(random, std::min(floor_z, p.z), p.z);
            const Vec3 shadow = p + light * ((p.z - receiver) / -light.z);
            EXPECT_TRUE(contains(shadowed, shadow)) << "trial " << trial;
        }
        EXPECT_LE(pixels.x1 - pixels.x0, std::int32_t(kWidth));
    }
    EXPECT_TRUE(box_pixels(view, WorldBox{}, kWidth, kHeight, 2).empty());
    // A box far off screen covers nothing; a corner behind the eye of a
    // perspective view could land anywhere, so it takes the whole frame.
    WorldBox far_off;
    far_off.add({100, 100, 0});
    EXPECT_TRUE(box_pixels(view, far_off, kWidth, kHeight, 2).empty());
    Mat4 perspective = Mat4::identity();
    perspective.at(3, 2) = -1; // w = -z
    WorldBox behind;
    behind.add({0, 0, 1});
    behind.add({1, 1, -1});
    EXPECT_EQ(box_pixels(perspective, behind, kWidth, kHeight, 2),
              (PixelRect{0, 0, std::int32_t(kWidth), std::int32_t(kHeight)}));
}

ColorVertex at(float x, float y, float z = 0) {
    return ColorVertex{{x, y, z}, {1, 1, 1, 1}};
}

TEST(DamageGeometry, GivenAnyEditOfAVertexList_ThenTheChangedBoxHoldsEveryVertexItTouched) {
    std::mt19937 random(7);
    for (int trial = 0; trial < 300; ++trial) {
        std::vector<ColorVertex> before;
        const int size = std::uniform_int_distribution<int>(0, 40)(random);
        for (int i = 0; i < size; ++i)
            before.push_back(at(uniform(random, -5, 5), uniform(random, -5, 5)));
        VertexChanges<ColorVertex> changes;
        WorldBox ignored;
        changes.note(before, ignored);

        WorldBox unchanged;
        changes.note(before, unchanged);
        EXPECT_TRUE(unchanged.empty()) << "the same list again changes nothing";

        // Replace [from, from + removed) with `added` new vertices.
        const int from = std::uniform_int_distribution<int>(0, size)(random);
        const int removed = std::uniform_int_distribution<int>(0, size - from)(random);
        const int added = std::uniform_int_distribution<int>(removed == 0 ? 1 : 0, 5)(random);
        std::vector<ColorVertex> after(before.begin(), before.begin() + from);
        for (int i = 0; i < added; ++i)
            after.push_back(at(uniform(random, -5, 5), uniform(random, -5, 5), 1));
        after.insert(after.end(), before.begin() + from + removed, before.end());

        WorldBox changed;
        changes.note(after, changed);
        auto position = [](const ColorVertex& v) {
            return Vec3{v.position[0], v.position[1], v.position[2]};
        };
        for (int i = from; i < from + removed; ++i)
            EXPECT_TRUE(contains(changed, position(before[i]))) << "trial " << trial;
        for (int i = from; i < from + added; ++i)
            EXPECT_TRUE(contains(changed, position(after[i]))) << "trial " << trial;
    }
}

MeshVertex mesh_at(float x, float y, float z) {
    return MeshVertex{{x, y, z}, {0, 0, 1}, Rgb{200, 200, 200}};
}

struct MapFrame {
    MapView view;
    std::vector<MeshVertex> markers;
    std::size_t cursor_at = 0;
};

// Two markers and a cursor around (x, 0) of radius r, seen whole.
MapFrame map_frame(float cursor_x, float radius) {
    MapFrame f;
    f.view.proj = ortho(-6, 6, -4, 4, -5, 5);
    f.view.light = ortho(-8, 8, -8, 8, -5, 5);
    f.view.drawable_width = 1200;
    f.view.drawable_height = 800;
    f.view.shadow_size = 2048;
    f.view.zoom = 1;
    f.markers = {mesh_at(-4, 2, 0.1f), mesh_at(-3, 2, 0.1f), mesh_at(-3, 3, 0.1f)};
    f.cursor_at = f.markers.size();
    for (const auto& [dx, dy] : {std::pair{-1, 0}, {1, 0}, {0, 1}, {0, -1}})
        f.markers.push_back(mesh_at(cursor_x + radius * float(dx), radius * float(dy), 0.2f));
    return f;
}

MapRegions next(MapDamage& damage, const MapFrame& f, bool kept) {
    return damage.next(f.view, f.markers, f.cursor_at, WorldBox{}, kept);
}

TEST(MapDamage, GivenTheBreathingCursor_ThenOnlyItsOldAndNewPlaceAndShadowAreRedrawn) {
    MapDamage damage;
    const PixelRect whole{0, 0, 1200, 800};
    EXPECT_EQ(next(damage, map_frame(0, 0.5f), true).screen, whole) << "the first frame";
    const MapRegions same = next(damage, map_frame(0, 0.5f), true);
    EXPECT_TRUE(same.screen.empty());
    EXPECT_TRUE(same.shadow.empty()) << "nothing moved, the shadow map stays";

    const MapFrame grown = map_frame(0, 0.6f);
    const MapRegions breath = next(damage, grown, true);
    for (const float x : {-0.6f, 0.6f})
        for (const float y : {-0.6f, 0.6f}) {
            // Where the cursor and its shadow on the floor land.
            const Vec3 top{x, y, 0.2f};
            const Vec3 shadow = top + kMapLightDirection * (0.2f / -kMapLightDirection.z);
            for (const Vec3 p : {top, shadow})
                EXPECT_TRUE(inside(breath.screen, pixel_of(grown.view.proj, p, 1200, 800)));
            EXPECT_TRUE(inside(breath.shadow, pixel_of(grown.view.light, top, 2048, 2048)));
        }
    EXPECT_LT(breath.screen.area(), whole.area() / 20);
    EXPECT_LT(breath.shadow.area(), 2048 * 2048 / 100);

    // A picture that was not kept is drawn whole; the shadow map is its own.
    const MapRegions lost = next(damage, map_frame(0, 0.5f), false);
    EXPECT_EQ(lost.screen, whole);
    EXPECT_LT(lost.shadow.area(), 2048 * 2048 / 100);

    // A marker that changed (grew, popped) redraws around it and its shadow
    // only; one that appears, or a new view, redraws much more.
    MapFrame marker_changed = map_frame(0, 0.5f);
    marker_changed.markers[1].position[2] = 0.3f; // (-3, 2) grew
    const MapRegions grew = next(damage, marker_changed, true);
    EXPECT_FALSE(grew.moving);
    for (const Vec3 top : {Vec3{-3, 2, 0.3f}, Vec3{-3, 2, 0.1f}}) {
        const Vec3 shadow = top + kMapLightDirection * (top.z / -kMapLightDirection.z);
        for (const Vec3 p : {top, shadow})
            EXPECT_TRUE(inside(grew.screen, pixel_of(marker_changed.view.proj, p, 1200, 800)));
        EXPECT_TRUE(inside(grew.shadow, pixel_of(marker_changed.view.light, top, 2048, 2048)));
    }
    EXPECT_LT(grew.screen.area(), whole.area() / 20) << "the cursor and other markers stood still";
    EXPECT_FALSE(inside(grew.screen, pixel_of(marker_changed.view.proj, {-4, 2, 0.1f}, 1200, 800)));
    MapFrame appeared = marker_changed;
    appeared.markers.insert(appeared.markers.begin() + 1, mesh_at(3, -3, 0.1f));
    ++appeared.cursor_at;
    const MapRegions more = next(damage, appeared, true);
    EXPECT_TRUE(inside(more.screen, pixel_of(appeared.view.proj, {3, -3, 0.1f}, 1200, 800)));
    EXPECT_TRUE(inside(more.screen, pixel_of(appeared.view.proj, {0, 0, 0.2f}, 1200, 800)))
        << "what follows it in the list counts as changed";
    MapFrame moved_view = map_frame(0, 0.5f);
    moved_view.view.proj.at(0, 3) = 0.01f;
    const MapRegions panned = next(damage, moved_view, true);
    EXPECT_EQ(panned.screen, whole);
    EXPECT_EQ(panned.shadow, (PixelRect{0, 0, 2048, 2048}));
}

TEST(MapDamage, GivenTheMapThroughACanvas_ThenOnlyTheRedrawnRegionReachesTheWindow) {
    Recorder gl_calls;
    GlContextValues context{ShaderDialect::Desktop, 800, 600};
    testing::script_board_uniforms(gl_calls);
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    OverworldRenderer renderer = OverworldRenderer::create(shadow_map, scene_programs);
    SceneCanvas canvas = SceneCanvas::create(true);
    renderer.set_canvas(&canvas);
    const std::vector<OverworldEntry> levels = build_overworld_table();
    OverworldFrame frame;
    frame.levels = levels;
    frame.proj = ortho(-6, 6, -4.5f, 4.5f, -5, 5) * translate({-99, -100, 0});
    frame.camera_target = {99, 100, 0};
    frame.window_width = frame.drawable_width = 800;
    frame.window_height = frame.drawable_height = 600;
    frame.menu_open = true;

    std::vector<std::int64_t> drawn;
    std::vector<std::vector<double>> copies; // each frame's blit, empty for none
    for (const float phase : {0.0f, 0.0f, 0.0f, 0.3f}) {
        gl_calls.calls.clear();
        frame.scenery_phase = phase;
        for (int pass = 0; pass < 4; ++pass) // a plume particle every fourth pass
            renderer.advance_scenery(false);
        canvas.begin_frame(800, 600);
        renderer.draw(frame);
        canvas.begin_interface();
        drawn.push_back(canvas.drawn_pixels());
        canvas.present();
        const std::vector<fake_gl::Call> blits = gl_calls.named("BlitFramebuffer");
        ASSERT_LE(blits.size(), 1u);
        copies.push_back(blits.empty() ? std::vector<double>{} : blits[0].args);
    }
    // The first frame is drawn and copied whole; the plume drifts out of
    // this view, so still frames draw and copy nothing, and the breathing
    // cursor only its own region, which is all that is copied.
    EXPECT_EQ(drawn[0], 800 * 600);
    ASSERT_GE(copies[0].size(), 8u);
    EXPECT_EQ(std::vector<double>(copies[0].begin(), copies[0].begin() + 4),
              (std::vector<double>{0, 0, 800, 600}));
    EXPECT_EQ(drawn[1], 0);
    EXPECT_EQ(drawn[2], 0) << "the cursor stood still";
    EXPECT_TRUE(copies[2].empty());
    EXPECT_GT(drawn[3], 0);
    EXPECT_LT(drawn[3], 800 * 600 / 10) << "only around the breathing cursor";
    ASSERT_GE(copies[3].size(), 4u);
    EXPECT_EQ(std::int64_t((copies[3][2] - copies[3][0]) * (copies[3][3] - copies[3][1])),
              drawn[3]);
}

TEST(MapDamage, GivenThePlumeOrTheVeilChanging_ThenTheyAreRedrawn) {
    MapDamage damage;
    MapFrame f = map_frame(0, 0.5f);
    WorldBox plume;
    plume.add(Vec3{3, 1, kPlumeHeight});
    plume.add(Vec3{3.5f, 1.5f, kPlumeHeight});
    damage.next(f.view, f.markers, f.cursor_at, WorldBox{}, true);
    EXPECT_TRUE(damage.next(f.view, f.markers, f.cursor_at, WorldBox{}, true).screen.empty())
        << "no plume in sight";
    // Its particles fade and drift every pass: where it lay and lies is redrawn.
    damage.next(f.view, f.markers, f.cursor_at, plume, true);
    WorldBox drifted = plume;
    drifted.add(Vec3{4, 2, kPlumeHeight});
    const PixelRect moved = damage.next(f.view, f.markers, f.cursor_at, drifted, true).screen;
    const PixelRect new_place =
        box_pixels(f.view.proj, drifted, f.view.drawable_width, f.view.drawable_height, 0);
    EXPECT_EQ(united(moved, new_place), moved);
    EXPECT_LT(moved.area(), 1200 * 800 / 10);

    f.view.veiled = true;
    EXPECT_EQ(damage.next(f.view, f.markers, f.cursor_at, drifted, true).screen,
              (PixelRect{0, 0, 1200, 800}))
        << "the menu's veil opened";
}

TEST(BatchBounds, GivenAnyRegion_ThenEveryTriangleReachingItIsDrawnInItsOrder) {
    std::mt19937 random(7);
    // 1000 random triangles laid row by row over a 12 x 8 view, as the map's
    // tiles and scenery are, a few of them long ones across it.
    std::vector<MeshVertex> mesh;
    for (int t = 0; t < 1000; ++t) {
        WorldBox area;
        area.add(Vec3{-6.5f + 0.26f * float(t % 50), -4.5f + 0.45f * float(t / 50), -1});
        const float reach = t % 97 == 0 ? 8.0f : 0.5f;
        area.hi = area.lo + Vec3{uniform(random, 0, reach), uniform(random, 0, reach), 2};
        for (int v = 0; v < 3; ++v)
            mesh.push_back(mesh_at(0, 0, 0));
        for (int v = 0; v < 3; ++v) {
            const Vec3 p = random_point(random, area);
            MeshVertex& vertex = mesh[mesh.size() - 3 + std::size_t(v)];
            vertex.position[0] = p.x, vertex.position[1] = p.y, vertex.position[2] = p.z;
        }
    }
    BatchBounds batches = BatchBounds::of(std::span<const MeshVertex>(mesh));
    const Mat4 proj = ortho(-6, 6, -4, 4, -5, 5);
    for (int trial = 0; trial < 200; ++trial) {
        const std::int32_t x = std::int32_t(uniform(random, 0, 1150)),
                           y = std::int32_t(uniform(random, 0, 750));
        const PixelRect region{x, y, x + std::int32_t(uniform(random, 1, 300)),
                               y + std::int32_t(uniform(random, 1, 300))};
        const std::span<const VertexRun> runs = batches.reaching(proj, 1200, 800, region);
        std::vector<bool> drawn(mesh.size(), false);
        std::size_t last_end = 0;
        for (const VertexRun& run : runs) {
            ASSERT_GE(run.first, last_end) << "in order, without overlap";
            last_end = run.first + run.count;
            std::fill(drawn.begin() + std::ptrdiff_t(run.first),
                      drawn.begin() + std::ptrdiff_t(last_end), true);
        }
        for (std::size_t t = 0; t < mesh.size(); t += 3) {
            WorldBox triangle;
            for (std::size_t v = t; v < t + 3; ++v)
                triangle.add(Vec3{mesh[v].position[0], mesh[v].position[1], mesh[v].position[2]});
            const PixelRect pixels = box_pixels(proj, triangle, 1200, 800, 0);
            const bool reaches = !pixels.empty() && pixels.x0 < region.x1 &&
                                 region.x0 < pixels.x1 && pixels.y0 < region.y1 &&
                                 region.y0 < pixels.y1;
            if (reaches) {
                ASSERT_TRUE(drawn[t]) << "triangle " << t / 3 << ", trial " << trial;
            }
        }
    }
    const PixelRect corner{0, 0, 40, 40};
    std::size_t drawn = 0;
    for (const VertexRun& run : batches.reaching(proj, 1200, 800, corner))
        drawn += run.count;
    EXPECT_LT(drawn, mesh.size()) << "a small region leaves batches out";
}

// The board renderer drawing through a canvas on the recording GL fake.
struct CanvasRig {
    Recorder gl_calls;
    GlContextValues context{ShaderDialect::Desktop, 800, 600};
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    BoardRenderer renderer = create(gl_calls);
    SceneCanvas canvas = SceneCanvas::create();
    Puzzle puzzle = testing::parallel();

    CanvasRig() {
        renderer.set_window_size(800, 600);
        renderer.set_canvas(&canvas);
    }
    BoardRenderer create(Recorder& recorder) {
        testing::script_board_uniforms(recorder);
        return BoardRenderer::create(shadow_map, scene_programs);
    }
    // Draws a frame; returns the canvas pixels it drew.
    std::int64_t draw(const MoveEvent* event) {
        gl_calls.calls.clear();
        canvas.begin_frame(800, 600);
        BoardFrame frame;
        frame.puzzle = &puzzle;
        frame.event = event;
        frame.history_length = 2;
        renderer.draw(frame);
        const std::int64_t drawn = canvas.drawn_pixels();
        canvas.present();
        return drawn;
    }
    // The canvas region of the last frame: its last scissor.
    PixelRect last_scissor() const {
        const auto scissors = gl_calls.named("Scissor");
        if (scissors.empty())
            return {};
        const auto& a = scissors.back().args;
        return {std::int32_t(a[0]), std::int32_t(a[1]), std::int32_t(a[0] + a[2]),
                std::int32_t(a[1] + a[3])};
    }
};

TEST(BoardDamage, GivenASnakeStepping_ThenEachFrameRedrawsAroundItAndAStillFrameNothing) {
    CanvasRig rig;
    constexpr std::int64_t kWhole = 800 * 600;
    EXPECT_EQ(rig.draw(nullptr), kWhole) << "the first frame";
    EXPECT_EQ(rig.draw(nullptr), 0) << "nothing changed";
    EXPECT_EQ(rig.gl_calls.count("DrawArrays"), 0u);

    // Snake 0 steps from (3, 0): its head cell and the cell it leaves are redrawn.
    const Pos head = rig.puzzle.snakes[0].cells.front();
    for (const float progress : {-0.9f, -0.5f, -0.1f}) {
        const MoveEvent event = step_of_snake_0(progress);
        const std::int64_t drawn = rig.draw(&event);
        EXPECT_GT(drawn, 0) << progress;
        EXPECT_LT(drawn, kWhole / 2) << progress;
        const PixelRect region = rig.last_scissor();
        for (const Pos cell : {head, Pos{3, 0}}) {
            const ScreenPoint p = cell_pixel(rig.renderer.camera(), cell);
            EXPECT_TRUE(inside(region, Vec3{p.x, 600 - p.y, 0})) << progress;
        }
    }
    // Another owner drawing into the canvas, or a lost picture, means a whole frame.
    rig.canvas.forget();
    EXPECT_EQ(rig.draw(nullptr), kWhole);
    MoveEvent iris;
    iris.kind = MoveEventKind::IrisIn;
    iris.progress = 0.5f;
    EXPECT_EQ(rig.draw(&iris), kWhole) << "an iris covers the frame";
}

TEST(SharedShadowMap, GivenTheMapDrawingThereBetweenTwoStillFrames_ThenTheBoardDrawsItWholeAgain) {
    CanvasRig rig;
    const auto shadow_passes = [&] {
        std::size_t passes = 0;
        for (const fake_gl::Call& call : rig.gl_calls.named("Viewport"))
            passes += call.args[2] == 2048 ? 1 : 0;
        return passes;
    };
    rig.draw(nullptr);
    EXPECT_EQ(shadow_passes(), 1u) << "the first frame";
    rig.draw(nullptr);
    EXPECT_EQ(shadow_passes(), 0u) << "kept";

    const MoveEvent event = step_of_snake_0(-0.5f);
    rig.draw(&event);
    ASSERT_EQ(shadow_passes(), 1u);
    EXPECT_EQ(rig.gl_calls.count("Scissor"), 2u) << "the stepping snake's texels, then the canvas";

    int map = 0;
    rig.shadow_map.drawn_by(&map);
    rig.draw(&event);
    EXPECT_EQ(shadow_passes(), 1u) << "the board's geometry did not change, the texels did";
    EXPECT_EQ(rig.gl_calls.count("Scissor"), 1u) << "all of the shadow map, then the canvas";
    rig.draw(&event);
    EXPECT_EQ(shadow_passes(), 0u) << "its own again";
}

} // namespace
} // namespace coilwend
