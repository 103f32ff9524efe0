#include "board_renderer/overlay_geometry.hpp"
#include "test_board_geometry_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

Snake snake_of(std::vector<Pos> cells, bool companion = false) {
    Snake s;
    s.cells = std::move(cells);
    s.companion = companion;
    return s;
}

Puzzle board(std::string_view name = "Overlays") {
    Puzzle p;
    p.name = name;
    p.width = 7;
    p.height = 5;
    p.snakes = {snake_of({{1, 2}, {2, 2}, {3, 2}})};
    return p;
}

Vec3 position(const ColorVertex& v) {
    return {v.position[0], v.position[1], v.position[2]};
}

} // namespace

TEST(SelectionMarker, GivenASelectedEndWhenDrawnThenFourBracketsFrameItsCell) {
    const Puzzle p = board();
    std::vector<ColorVertex> out;
    add_selection_marker(out, p, {0, false}, {});
    // Four corners, two bars each, two triangles a bar.
    ASSERT_EQ(out.size(), 4u * 2 * 6);
    float area = 0;
    for (std::size_t i = 0; i < out.size(); i += 3) {
        const Triangle t{position(out[i]), position(out[i + 1]), position(out[i + 2])};
        EXPECT_GT(t.face().z, 0);
        area += t.face().z / 2;
    }
    // Each L: a 0.3 bar and a 0.23 bar, 0.07 thick, not overlapping.
    EXPECT_NEAR(area, 4 * (0.3f + 0.23f) * 0.07f, 1e-5f);
    for (const ColorVertex& v : out) {
        EXPECT_LE(std::fabs(v.position[0] - 3), 0.5f + 1e-6f);
        EXPECT_GE(std::fabs(v.position[0] - 3), 0.2f - 1e-6f);
        EXPECT_EQ(v.position[2], 0);
        EXPECT_FLOAT_EQ(v.color[3], 0.8f);
    }

    EXPECT_EQ(selection_marker_centre(p, {0, true}, {}), (Vec3{1, 2, 0}));
    EXPECT_EQ(selection_marker_centre(p, {3, true}, {}), std::nullopt);
}

TEST(SelectionMarker, GivenAStepOfTheSelectedSnakeWhenDrawnThenTheMarkerSlidesInFromTheNeck) {
    const Puzzle p = board();
    BoardAnimation a;
    a.kind = MoveEventKind::Step;
    a.snake = 0;
    a.progress = -0.25f;
    EXPECT_EQ(selection_marker_centre(p, {0, false}, a), (Vec3{2.75f, 2, 0}));
    a.progress = 0.5f;
    EXPECT_EQ(selection_marker_centre(p, {0, true}, a), (Vec3{1.5f, 2, 0}));
    // Another snake's step leaves the marker alone.
    a.snake = 1;
    EXPECT_EQ(selection_marker_centre(p, {0, true}, a), (Vec3{1, 2, 0}));
}

TEST(IntroRing, GivenTheLoopingPointerTutorialWhenDrawnThenTheRingSitsSlidesDownAndFades) {
    const Puzzle p = board();
    auto ring_centre = [&](float progress, float* alpha = nullptr) -> std::optional<Vec3> {
        std::vector<ColorVertex> out;
        add_intro_ring(out, p, progress);
        if (out.empty())
            return std::nullopt;
        EXPECT_EQ(out.size(), std::size_t(kIntroRingSegments) * 6);
        Vec3 sum;
        float outer = 0;
        for (const ColorVertex& v : out)
            sum = sum + position(v) * (1.0f / float(out.size()));
        for (const ColorVertex& v : out)
            outer = std::max(outer, std::hypot(v.position[0] - sum.x, v.position[1] - sum.y));
        EXPECT_NEAR(outer, kIntroRingRadius, 1e-4f);
        if (alpha)
            *alpha = out[0].color[3];
        return sum;
    };
    float early = 0, fading = 0;
    const auto at_head = ring_centre(0.5f, &early);
    ASSERT_TRUE(at_head);
    EXPECT_NEAR(at_head->x, 3, 1e-4f);
    EXPECT_NEAR(at_head->y, 2, 1e-4f);
    EXPECT_NEAR(ring_centre(1.25f)->y, 1.75f, 1e-4f);
    EXPECT_NEAR(ring_centre(2.5f, &fading)->y, 1, 1e-4f);
    EXPECT_NEAR(fading, early * 0.5f, 1e-5f);
    EXPECT_EQ(ring_centre(3), std::nullopt);
    EXPECT_EQ(ring_centre(3.9f), std::nullopt);
}

TEST(IrisWipe, GivenTheProgressWhenDrawnThenABlackStripCoversTheViewOutsideAGrowingCircle) {
    Puzzle p = board();
    p.snakes = {snake_of({{6, 4}, {5, 4}}, true), snake_of({{0, 1}, {1, 1}})};
    const BoardCamera camera = make_board_camera(1280, 720, p.width, p.height);
    std::vector<ColorVertex> out;
    add_iris_wipe(out, p, camera, 0.5f);
    ASSERT_EQ(out.size(), std::size_t(kIrisVertices));
    const Vec3 head{1, 1, 0};
    const float inner = length(position(out[0]) - head);
    const float outer = length(position(out[1]) - head);
    EXPECT_NEAR(inner, 0.5f * outer, 1e-4f);
    for (const ColorVertex& v : out) {
        EXPECT_EQ(v.color[0] + v.color[1] + v.color[2], 0);
        EXPECT_EQ(v.color[3], 1);
        EXPECT_EQ(v.position[2], 0);
    }
    // The strip closes on itself.
    EXPECT_NEAR(out[0].position[0], out[kIrisVertices - 2].position[0], 1e-4f);
    EXPECT_NEAR(out[0].position[1], out[kIrisVertices - 2].position[1], 1e-4f);

    // The outer edge lies beyond every corner of what the camera shows: the
    // corners of the screen, mapped back to the floor.
    const auto inverse_view = inverse(camera.view_projection);
    ASSERT_TRUE(inverse_view);
    for (const float sx : {-1.0f, 1.0f})
        for (const float sy : {-1.0f, 1.0f}) {
            const Vec4 a = *inverse_view * Vec4{sx, sy, -1, 1};
            const Vec4 b = *inverse_view * Vec4{sx, sy, 1, 1};
            const Vec3 pa{a.x / a.w, a.y / a.w, a.z / a.w}, pb{b.x / b.w, b.y / b.w, b.z / b.w};
            const Vec3 floor = pa + (pb - pa) * (-pa.z / (pb.z - pa.z));
            EXPECT_LT(length(floor - head), outer * std::cos(3.14159f / kIrisSegments));
        }

    out.clear();
    add_iris_wipe(out, p, camera, 0);
    EXPECT_NEAR(out[0].position[0], 1, 1e-6f); // the whole view black
    out.clear();
    add_iris_wipe(out, p, camera, 1.04f);
    EXPECT_NEAR(length(position(out[0]) - head), length(position(out[1]) - head), 1e-4f);
}

TEST(IntroIcons,
     GivenTheDeviceAndProgressWhenChosenThenKeysOrButtonsAlternateAndThePointerHasNone) {
    EXPECT_EQ(intro_icon(PromptDevice::Keyboard, 0.2f), 13);
    EXPECT_EQ(intro_icon(PromptDevice::Keyboard, 1.5f), 13);
    EXPECT_EQ(intro_icon(PromptDevice::Keyboard, 1.51f), 14);
    EXPECT_EQ(intro_icon(PromptDevice::Controller, 1.0f), 11);
    EXPECT_EQ(intro_icon(PromptDevice::Controller, 3.9f), 12);
    EXPECT_EQ(intro_icon(PromptDevice::Mouse, 1.0f), std::nullopt);

    const IconPlacement placed = intro_icon_placement(board(), 13);
    EXPECT_EQ(placed.centre, (Vec3{3, 2, 0}));
    EXPECT_FLOAT_EQ(placed.half_size, 0.3f);
}

TEST(FriendHint, GivenTheSecondSnakeLevelWhenDrawnThenTheHintMarksTheSnakeACycleWouldSelect) {
    Puzzle p = board("A Friend");
    p.snakes.push_back(snake_of({{5, 0}, {5, 1}, {6, 1}}));
    const auto none_selected =
        friend_hint(p, std::nullopt, PromptDevice::Keyboard, MoveEventKind::None);
    ASSERT_TRUE(none_selected);
    EXPECT_EQ(none_selected->icon, 15);
    EXPECT_EQ(none_selected->centre, (Vec3{2.5f, 2, 0.2f}));
    EXPECT_FLOAT_EQ(none_selected->half_size, 0.25f);

    const auto first_selected =
        friend_hint(p, Selection{0, false}, PromptDevice::Controller, MoveEventKind::Step);
    ASSERT_TRUE(first_selected);
    EXPECT_EQ(first_selected->icon, 16);
    EXPECT_EQ(first_selected->centre, (Vec3{5.5f, 1, 0.2f}));
    EXPECT_EQ(
        friend_hint(p, Selection{1, true}, PromptDevice::Keyboard, MoveEventKind::None)->centre,
        (Vec3{2.5f, 2, 0.2f}));

    EXPECT_EQ(friend_hint(p, std::nullopt, PromptDevice::Mouse, MoveEventKind::None), std::nullopt);
    for (const MoveEventKind kind :
         {MoveEventKind::Intro, MoveEventKind::IrisIn, MoveEventKind::Leaving})
        EXPECT_EQ(friend_hint(p, std::nullopt, PromptDevice::Keyboard, kind), std::nullopt);
    EXPECT_EQ(friend_hint(board("A Friendly Place"), std::nullopt, PromptDevice::Keyboard,
                          MoveEventKind::None),
              std::nullopt);
}

TEST(IconQuad, GivenAnAtlasRectangleWhenBuiltThenTheImageReadsUprightFacingTheViewer) {
    std::vector<TexturedVertex> out;
    add_icon_quad(out, {2, 3, 0.2f}, 0.25f, {0.1f, 0.2f, 0.3f, 0.4f});
    ASSERT_EQ(out.size(), 6u);
    for (std::size_t i = 0; i < 6; i += 3) {
        const Triangle t{{out[i].position[0], out[i].position[1], out[i].position[2]},
                         {out[i + 1].position[0], out[i + 1].position[1], out[i + 1].position[2]},
                         {out[i + 2].position[0], out[i + 2].position[1], out[i + 2].position[2]}};
        EXPECT_GT(t.face().z, 0);
    }
    for (const TexturedVertex& v : out) {
        EXPECT_FLOAT_EQ(v.position[2], 0.2f);
        EXPECT_EQ(v.color[3], 1);
        // Top of the board (+y) shows the top of the image (v0).
        const bool top = v.position[1] > 3;
        EXPECT_FLOAT_EQ(v.uv[1], top ? 0.2f : 0.4f);
        const bool right = v.position[0] > 2;
        EXPECT_FLOAT_EQ(v.uv[0], right ? 0.3f : 0.1f);
        EXPECT_FLOAT_EQ(std::fabs(v.position[0] - 2), 0.25f);
    }
}
