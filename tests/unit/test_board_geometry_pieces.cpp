#include "board_renderer/piece_geometry.hpp"
#include "board_renderer/snake_draw_plan.hpp"
#include "test_board_geometry_support.hpp"

#include <gtest/gtest.h>

#include <cmath>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

constexpr std::size_t kItemVertices = kItemLongitudes * kItemLatitudes * 6;
constexpr std::size_t kFlatTargetVertices = kTargetSegments * 3;
constexpr std::size_t kRaisedTargetVertices = kTargetSegments * 9;

Snake snake_of(std::vector<Pos> cells, bool companion = false) {
    Snake s;
    s.cells = std::move(cells);
    s.companion = companion;
    return s;
}

Puzzle board() {
    Puzzle p;
    p.name = "Pieces";
    p.width = 8;
    p.height = 5;
    return p;
}

BoardAnimation step(std::size_t snake, float progress, Pos trailing) {
    BoardAnimation a;
    a.kind = MoveEventKind::Step;
    a.snake = snake;
    a.progress = progress;
    a.trailing = trailing;
    return a;
}

} // namespace

TEST(Teardrop, GivenTheProfileWhenSampledThenItIsClosedAtBothEndsAndBulgesPastTheMiddle) {
    EXPECT_FLOAT_EQ(teardrop_radius(0), 0);
    EXPECT_NEAR(teardrop_radius(1), 0, 1e-3f);
    float widest = 0, widest_at = 0;
    for (int i = 0; i <= 1000; ++i) {
        const float t = float(i) / 1000;
        const float r = teardrop_radius(t);
        ASSERT_TRUE(std::isfinite(r));
        if (r > widest) {
            widest = r;
            widest_at = t;
        }
    }
    EXPECT_NEAR(teardrop_radius(0.3f), 0.3333f, 1e-3f);
    EXPECT_NEAR(widest, 0.3771f, 1e-3f);
    EXPECT_NEAR(widest_at, 0.533f, 0.01f);

    // The easing is quadratic up to 0.6 and eases out to 1.
    EXPECT_FLOAT_EQ(teardrop_fraction(0), 0);
    EXPECT_FLOAT_EQ(teardrop_fraction(0.3f), 0.15f);
    EXPECT_FLOAT_EQ(teardrop_fraction(0.6f), 0.6f);
    EXPECT_FLOAT_EQ(teardrop_fraction(0.8f), 0.9f);
    EXPECT_FLOAT_EQ(teardrop_fraction(1), 1);
}

TEST(Items, GivenAGrowAndAShrinkItemWhenBuiltThenEachIsALightOrDarkTeardropAlongX) {
    Puzzle p = board();
    p.items = {{ItemKind::Grow, {2, 3}}, {ItemKind::Shrink, {5, 1}}};
    std::vector<MeshVertex> out;
    build_piece_geometry(p, {}, out);
    ASSERT_EQ(out.size(), 2 * kItemVertices);
    for (std::size_t i = 0; i < kItemVertices; ++i) {
        const MeshVertex& v = out[i];
        ASSERT_EQ(v.color1, (Rgb{214, 214, 214}));
        ASSERT_GE(v.position[0], 2 - 0.4f - 1e-5f);
        ASSERT_LE(v.position[0], 2 + 0.4f + 1e-5f);
        ASSERT_LE(std::hypot(v.position[1] - 3, v.position[2] - 0.4f), 0.8f * 0.378f);
        // The normal points away from the round end at (x - 0.4, y, 0.4).
        const Vec3 from_end{v.position[0] - 1.6f, v.position[1] - 3, v.position[2] - 0.4f};
        EXPECT_NEAR(length(from_end - normal_of(v)), 0, 1e-5f);
    }
    EXPECT_EQ(out[kItemVertices].color1, (Rgb{56, 56, 56}));

    // The surface winds outwards, so culling keeps the outside.
    for (std::size_t i = 0; i < kItemVertices; i += 3) {
        const Triangle t{position_of(out[i]), position_of(out[i + 1]), position_of(out[i + 2])};
        const Vec3 middle = (t.a + t.b + t.c) * (1.0f / 3);
        const Vec3 out_of_axis{0, middle.y - 3, middle.z - 0.4f};
        if (length(t.face()) > 1e-8f) {
            EXPECT_GT(dot(t.face(), out_of_axis), 0);
        }
    }
}

TEST(Items, GivenEvenLongitudesWhenBuiltThenTheirInnerLatitudesAreNudgedIntoAZigZag) {
    std::vector<MeshVertex> out;
    add_item(out, {ItemKind::Grow, {0, 0}});
    // First quad of band 1: vertex 1 is latitude 2 of longitude 0 (even,
    // nudged to 0.15), vertex 2 latitude 1 of longitude 1 (plain 0.1).
    const std::size_t band1 = kItemLongitudes * 6;
    EXPECT_FLOAT_EQ(out[band1 + 1].position[0], -0.4f + 0.8f * teardrop_fraction(0.15f));
    EXPECT_FLOAT_EQ(out[band1 + 2].position[0], -0.4f + 0.8f * teardrop_fraction(0.1f));
}

TEST(Items, GivenABumpWhenBuiltThenItemsOnTheBumpsCellsAreHidden) {
    Puzzle p = board();
    p.items = {{ItemKind::Grow, {2, 3}}, {ItemKind::Shrink, {5, 1}}};
    const std::vector<Pos> bump_cells = {{4, 1}, {5, 1}};
    BoardAnimation bump;
    bump.kind = MoveEventKind::Bump;
    bump.progress = 0.5f;
    bump.cells = bump_cells;
    std::vector<MeshVertex> out(5);
    build_piece_geometry(p, bump, out);
    ASSERT_EQ(out.size(), kItemVertices);
    EXPECT_EQ(out[0].color1, (Rgb{214, 214, 214}));

    // The same cells on a step hide nothing.
    BoardAnimation moving = bump;
    moving.kind = MoveEventKind::Step;
    build_piece_geometry(p, moving, out);
    EXPECT_EQ(out.size(), 2 * kItemVertices);
}

TEST(TargetCover, GivenWhatLiesOnATargetWhenMeasuredThenCoveredTargetsCountAsOne) {
    Puzzle p = board();
    p.items = {{ItemKind::Grow, {1, 1}}};
    p.snakes = {snake_of({{3, 1}, {4, 1}, {5, 1}})};
    EXPECT_EQ(target_cover(p, {}, {1, 1}), 1); // an item
    EXPECT_EQ(target_cover(p, {}, {4, 1}), 1); // a snake at rest
    EXPECT_EQ(target_cover(p, {}, {6, 1}), 0); // nothing
    // A step of another snake, or a middle cell of the stepping snake.
    EXPECT_EQ(target_cover(p, step(1, -0.5f, {2, 1}), {4, 1}), 1);
    EXPECT_EQ(target_cover(p, step(0, -0.5f, {2, 1}), {4, 1}), 1);
}

TEST(TargetCover,
     GivenAStepWhenPlayedThenATargetSinksUnderTheArrivingEndAndRisesBehindTheLeavingOne) {
    Puzzle p = board();
    // The snake stepped right from (2..4, 1) to (3..5, 1), led by its last
    // cell, so the progress runs from -1 to 0.
    p.snakes = {snake_of({{3, 1}, {4, 1}, {5, 1}})};
    EXPECT_FLOAT_EQ(target_cover(p, step(0, -1, {2, 1}), {5, 1}), 0);
    EXPECT_FLOAT_EQ(target_cover(p, step(0, -0.3f, {2, 1}), {5, 1}), 0.7f);
    EXPECT_FLOAT_EQ(target_cover(p, step(0, -0.3f, {2, 1}), {2, 1}), 0.3f);
    EXPECT_FLOAT_EQ(target_cover(p, step(0, -1, {2, 1}), {2, 1}), 1);
    // The first cell is the tail here: it stays covered.
    EXPECT_EQ(target_cover(p, step(0, -0.3f, {2, 1}), {3, 1}), 1);

    // Led by the first cell, the progress runs from +1 to 0.
    p.snakes = {snake_of({{2, 2}, {3, 2}, {4, 2}})};
    EXPECT_FLOAT_EQ(target_cover(p, step(0, 0.8f, {5, 2}), {2, 2}), 0.2f);
    EXPECT_FLOAT_EQ(target_cover(p, step(0, 0.8f, {5, 2}), {5, 2}), 0.8f);
    EXPECT_EQ(target_cover(p, step(0, 0.8f, {5, 2}), {4, 2}), 1);

    // A growing snake keeps its tail: the cell it would have left is still
    // its own and stays covered.
    p.snakes = {snake_of({{4, 2}, {2, 2}, {3, 2}, {4, 3}})};
    EXPECT_EQ(target_cover(p, step(0, -0.6f, {4, 2}), {4, 2}), 1);
}

TEST(Targets, GivenTheCoverWhenBuiltThenOpenTargetsStandOnARimAndCoveredOnesLieFlat) {
    std::vector<MeshVertex> raised, flat;
    add_target(raised, {3, 2}, 0.5f);
    add_target(flat, {3, 2}, 0.51f);
    ASSERT_EQ(raised.size(), kRaisedTargetVertices);
    ASSERT_EQ(flat.size(), kFlatTargetVertices);
    for (const MeshVertex& v : flat) {
        EXPECT_FLOAT_EQ(v.position[2], 0.001f);
        EXPECT_EQ(normal_of(v), (Vec3{0, 0, 1}));
        EXPECT_EQ(v.color1, (Rgb{208, 22, 22}));
        EXPECT_LE(std::hypot(v.position[0] - 3, v.position[1] - 2), 0.3f + 1e-5f);
    }
    float top = 0, bottom = 1;
    for (const MeshVertex& v : raised) {
        top = std::max(top, v.position[2]);
        bottom = std::min(bottom, v.position[2]);
    }
    EXPECT_FLOAT_EQ(top, 0.2f);
    EXPECT_FLOAT_EQ(bottom, 0);
    EXPECT_EQ(back_faces_seen(triangles_of(raised), {3, 2, 0}, 0.5f, camera_view_direction()), 0);

    // Built from the puzzle: a covered target lies flat.
    Puzzle p = board();
    p.targets = {{1, 1}, {2, 1}};
    p.snakes = {snake_of({{1, 1}, {1, 2}})};
    std::vector<MeshVertex> out;
    build_piece_geometry(p, {}, out);
    EXPECT_EQ(out.size(), kFlatTargetVertices + kRaisedTargetVertices);
}

TEST(BumpAmount, GivenTheBumpsProgressWhenMappedThenTheEndPushesHalfACellAndReturns) {
    EXPECT_FLOAT_EQ(bump_amount(1), 1);
    EXPECT_FLOAT_EQ(bump_amount(0.7f), 0.7f);
    EXPECT_FLOAT_EQ(bump_amount(0.5f), 0.5f);
    EXPECT_FLOAT_EQ(bump_amount(0.2f), 0.8f);
    EXPECT_FLOAT_EQ(bump_amount(0), 1);
    EXPECT_FLOAT_EQ(bump_amount(-1), -1);
    EXPECT_FLOAT_EQ(bump_amount(-0.6f), -0.6f);
    EXPECT_FLOAT_EQ(bump_amount(-0.5f), -0.5f);
    EXPECT_FLOAT_EQ(bump_amount(-0.1f), -0.9f);
    EXPECT_FLOAT_EQ(bump_amount(1.5f), 1.5f);
}

TEST(SnakeDrawPlan, GivenNoEventWhenPlannedThenEverySnakeWithCellsIsDrawnAtRest) {
    Puzzle p = board();
    p.snakes = {snake_of({{1, 1}, {2, 1}}), snake_of({}), snake_of({{4, 4}, {5, 4}}, true)};
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, nullptr, plans);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].index, 0u);
    EXPECT_EQ(plans[1].index, 2u);
    EXPECT_TRUE(plans[1].companion);
    EXPECT_FALSE(plans[0].motion.active || plans[1].motion.active);
}

TEST(SnakeDrawPlan, GivenAStepWhenPlannedThenOnlyTheMovedSnakeIsAnimatedWithTheEventsBytes) {
    Puzzle p = board();
    p.snakes = {snake_of({{1, 1}, {2, 1}}), snake_of({{4, 4}, {5, 4}})};
    MoveEvent event;
    event.kind = MoveEventKind::Step;
    event.snake = 1;
    event.progress = -0.4f;
    event.trailing = {3, 4};
    event.eaten = ItemKind::Shrink;
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_FALSE(plans[0].motion.active);
    const SnakeMotion& m = plans[1].motion;
    EXPECT_TRUE(m.active);
    EXPECT_FLOAT_EQ(m.progress, -0.4f);
    EXPECT_EQ(m.trailing, (Pos{3, 4}));
    EXPECT_TRUE(m.item_eaten);
    EXPECT_EQ(m.item_kind, ItemKind::Shrink);
    EXPECT_EQ(plans[1].cells.data(), p.snakes[1].cells.data());
}

TEST(SnakeDrawPlan, GivenABumpWhenPlannedThenTheSnakeIsDrawnFromTheEventsCellsWithTheBumpAmount) {
    Puzzle p = board();
    p.snakes = {snake_of({{1, 1}, {2, 1}, {3, 1}})};
    MoveEvent event;
    event.kind = MoveEventKind::Bump;
    event.snake = 0;
    event.progress = 0.2f;
    event.trailing = {1, 1};
    event.item_on_lead = ItemKind::Grow;
    event.cells = {{2, 1}, {3, 1}, {4, 1}};
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].cells.data(), event.cells.data());
    EXPECT_FLOAT_EQ(plans[0].motion.progress, 0.8f);
    EXPECT_TRUE(plans[0].motion.item_eaten);
    EXPECT_EQ(plans[0].motion.item_kind, ItemKind::Grow);
    EXPECT_EQ(plans[0].motion.trailing, (Pos{1, 1}));
}

TEST(SnakeDrawPlan, GivenAVanishWhenPlannedThenTheLostSnakeIsDrawnLastUnderIndex999) {
    Puzzle p = board();
    p.snakes = {snake_of({}), snake_of({{4, 4}, {5, 4}})};
    MoveEvent event;
    event.kind = MoveEventKind::Vanish;
    event.snake = 0;
    event.progress = 0.25f;
    event.front = false;
    event.cells = {{2, 2}, {3, 2}};
    event.companion = true;
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_EQ(plans[0].index, 1u);
    EXPECT_EQ(plans[1].index, kVanishingSnakeIndex);
    EXPECT_EQ(plans[1].cells.data(), event.cells.data());
    EXPECT_TRUE(plans[1].companion);
    EXPECT_TRUE(plans[1].motion.active);
    EXPECT_FLOAT_EQ(plans[1].motion.progress, -0.75f);
}

TEST(SnakeDrawPlan, GivenTheLevelClosingWhenPlannedThenOnlyCompanionsRemain) {
    Puzzle p = board();
    p.snakes = {snake_of({{1, 1}, {2, 1}}), snake_of({{4, 4}, {5, 4}}, true)};
    MoveEvent event;
    event.kind = MoveEventKind::Leaving;
    event.progress = 0.5f;
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 1u);
    EXPECT_EQ(plans[0].index, 1u);
}

TEST(SnakeDrawPlan, GivenAnExitWhenPlannedThenTheFinishingSnakeCrawlsOnTheEventsCopy) {
    Puzzle p = board();
    p.snakes = {snake_of({{4, 4}, {5, 4}}, true), snake_of({{1, 1}, {2, 1}})};
    MoveEvent event;
    event.kind = MoveEventKind::Exit;
    event.snake = 1;
    event.exit_snake = 1;
    event.progress = -0.6f;
    event.crawling = true;
    event.cells = {{2, 1}, {2, 1}};
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_FALSE(plans[0].motion.active);
    EXPECT_EQ(plans[1].cells.data(), event.cells.data());
    EXPECT_FLOAT_EQ(plans[1].motion.progress, -0.6f);
}

TEST(SnakeDrawPlan, GivenAnotherSnakeOnTheExitWhenTheFinishingMovePlaysThenOnlyTheMoverSteps) {
    Puzzle p = board();
    p.snakes = {snake_of({{4, 4}, {5, 4}}), snake_of({{1, 1}, {2, 1}})};
    MoveEvent event;
    event.kind = MoveEventKind::Exit;
    event.snake = 0;
    event.exit_snake = 1;
    event.progress = -0.6f;
    event.cells = {{1, 1}, {2, 1}};
    std::vector<SnakeDrawPlan> plans;
    plan_snake_draws(p, &event, plans);
    ASSERT_EQ(plans.size(), 2u);
    EXPECT_TRUE(plans[0].motion.active);
    EXPECT_FALSE(plans[1].motion.active);
    EXPECT_NE(plans[1].cells.data(), event.cells.data());
}
