// The overworld's rules without a window: the map projection, selection
// moves with their holds, the mouse's click and drag, the wheel, and the view
// limits that every camera change keeps.

#include "overworld/overworld.hpp"
#include "overworld/reveal.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace coilwend;

namespace {

constexpr MapScreen kScreen{1280, 720, 1280, 720};

// A table with 38.rs at (99, 100) and the row above it opened: 3.rs
// (99, 101), 57.rs, 83.rs, 51.rs, 19.rs and 27.rs (94, 101); 12.rs (98, 102)
// too.
Overworld opened_world() {
    std::vector<OverworldEntry> levels = build_overworld_table();
    for (std::size_t i : {0, 1, 2, 3, 4, 5, 10, 14})
        levels[i].state = State::Available;
    return make_overworld(std::move(levels), 0, kScreen);
}

// The window position of a floor point.
std::pair<float, float> to_window(const Overworld& world, Vec3 p) {
    const Vec4 clip = map_projection(world.camera, kScreen.aspect()) * Vec4{p.x, p.y, p.z, 1};
    return {(clip.x + 1) / 2 * 1280, (1 - clip.y) / 2 * 720};
}

void expect_within_limits(const MapCamera& camera, float aspect) {
    EXPECT_GE(visible_width(camera.zoom), 3.0f - 1e-4f);
    EXPECT_LE(visible_width(camera.zoom), 12.0f + 1e-4f);
    const float s = std::min(visible_width(camera.zoom), 12.0f);
    const float t = std::min(visible_height(camera.zoom, aspect), 12.0f);
    for (const Vec3& p : {camera.position, camera.target}) {
        EXPECT_GE(p.x, 88.5f + s / 2 - 1e-4f);
        EXPECT_LE(p.x, 100.5f - s / 2 + 1e-4f);
        EXPECT_GE(p.y, 98.5f + t / 2 - 1e-4f);
        EXPECT_LE(p.y, 110.5f - t / 2 + 1e-4f);
    }
}

} // namespace

TEST(MapProjection, ScalesTiltsAndCentresOnTheCamera) {
    MapCamera camera;
    camera.position = {94.5f, 104.5f, 0};
    camera.zoom = 0.5f;
    const Mat4 proj = map_projection(camera, 2.0f);
    // x: 0.5 x zoom per cell; y: aspect / 2 x zoom x cos 0.3 per cell, and
    // height tilts toward the top of the screen.
    const Vec4 right = proj * Vec4{95.5f, 104.5f, 0, 1};
    EXPECT_FLOAT_EQ(right.x, 0.25f);
    EXPECT_FLOAT_EQ(right.y, 0.0f);
    const Vec4 up = proj * Vec4{94.5f, 105.5f, 0, 1};
    EXPECT_NEAR(up.y, 0.5f * 0.9553365f, 1e-5f);
    EXPECT_NEAR(up.z, -1.0f / 2.5f * 0.5f * -0.29552022f, 1e-5f);
    const Vec4 raised = proj * Vec4{94.5f, 104.5f, 1, 1};
    EXPECT_NEAR(raised.y, 0.5f * 0.29552022f, 1e-5f);
    // The visible width is 4 / zoom cells.
    EXPECT_FLOAT_EQ((proj * Vec4{94.5f + 4, 104.5f, 0, 1}).x, 1.0f);
}

TEST(MapProjection, ThePointUnderThePointerIsWhereTheFloorPointIsDrawn) {
    Overworld world = opened_world();
    for (const Vec3 p : {Vec3{97.0f, 101.0f, 0}, Vec3{99.4f, 100.6f, 0}, Vec3{98.5f, 102.5f, 0}}) {
        const auto [px, py] = to_window(world, p);
        const Vec3 back = map_point_under(world.camera, kScreen, px, py);
        EXPECT_NEAR(back.x, p.x, 1e-3f);
        EXPECT_NEAR(back.y, p.y, 1e-3f);
    }
}

TEST(MapSelection, MovesOnlyToSelectableNeighboursAndHoldsRepeatEvery11Passes) {
    Overworld world = opened_world();
    press_map_move(world, MapMove::Down, PressSource::Button, kScreen);
    EXPECT_EQ(world.selected, 0u) << "the locked final level below is not selectable";
    EXPECT_TRUE(world.hold.active) << "a blocked move still holds";
    release_map_move(world, MapMove::Down);

    press_map_move(world, MapMove::Up, PressSource::Button, kScreen);
    EXPECT_EQ(world.selected, 1u);
    EXPECT_EQ(world.camera.target.y, 101.0f);
    press_map_move(world, MapMove::Up, PressSource::Button, kScreen);
    EXPECT_EQ(world.selected, 1u) << "a second press of the held direction is ignored";
    release_map_move(world, MapMove::Up);

    // Held Left from 3.rs walks the row: at once, on the 26th pass, then
    // every 11th.
    press_map_move(world, MapMove::Left, PressSource::Button, kScreen);
    EXPECT_EQ(world.selected, 2u);
    std::vector<int> moves_at;
    for (int pass = 1; pass <= 60; ++pass) {
        const std::size_t before = world.selected;
        repeat_map_move(world, kScreen);
        if (world.selected != before)
            moves_at.push_back(pass);
    }
    EXPECT_EQ(world.selected, 14u);
    EXPECT_EQ(moves_at, (std::vector<int>{26, 37, 48, 59}));
    EXPECT_EQ(world.camera.target.x, 94.0f);

    // A stick is ignored while anything is held; another key is not.
    press_map_move(world, MapMove::Right, PressSource::Stick, kScreen);
    EXPECT_EQ(world.selected, 14u);
    press_map_move(world, MapMove::Right, PressSource::Button, kScreen);
    EXPECT_EQ(world.selected, 10u);
    release_map_move(world, MapMove::Left);
    EXPECT_TRUE(world.hold.active) << "releasing an older direction keeps the newer hold";
    release_map_move(world, MapMove::Right);
    EXPECT_FALSE(world.hold.active);
}

TEST(MapSelection, AStickReleaseEndsOnlyTheHoldTheStickStarted) {
    Overworld world = opened_world();
    press_map_move(world, MapMove::Up, PressSource::Button, kScreen);
    release_map_stick(world, false);
    EXPECT_TRUE(world.hold.active) << "a key's hold outlives the stick coming back";
    release_map_move(world, MapMove::Up);

    // A flick from right to left turns the stick's hold; the other axis cannot.
    press_map_move(world, MapMove::Right, PressSource::Stick, kScreen);
    press_map_move(world, MapMove::Left, PressSource::Stick, kScreen);
    EXPECT_EQ(world.hold.move, MapMove::Left);
    press_map_move(world, MapMove::Down, PressSource::Stick, kScreen);
    release_map_stick(world, false);
    EXPECT_TRUE(world.hold.active && world.hold.move == MapMove::Left);
    release_map_stick(world, true);
    EXPECT_FALSE(world.hold.active);

    // A key pressed over the stick's hold takes it over.
    press_map_move(world, MapMove::Right, PressSource::Stick, kScreen);
    press_map_move(world, MapMove::Left, PressSource::Button, kScreen);
    release_map_stick(world, true);
    EXPECT_TRUE(world.hold.active);
}

TEST(MapSelection, TriggersZoomEverySecondPassWithinTheClamp) {
    Overworld world = opened_world();
    world.camera.zoom = 1.0f;
    press_map_move(world, MapMove::ZoomOut, PressSource::Button, kScreen);
    EXPECT_FLOAT_EQ(world.camera.zoom, 0.95f);
    repeat_map_move(world, kScreen);
    EXPECT_FLOAT_EQ(world.camera.zoom, 0.95f);
    repeat_map_move(world, kScreen);
    EXPECT_FLOAT_EQ(world.camera.zoom, 0.95f * 0.95f);
    for (int pass = 0; pass < 200; ++pass)
        repeat_map_move(world, kScreen);
    EXPECT_FLOAT_EQ(world.camera.zoom, kWholeMapZoom);
}

TEST(MapMouse, TenUnitsIsStillAClickAndElevenDragsTheGrabbedPointAlong) {
    Overworld world = opened_world();
    world.camera.zoom = 0.8f;
    world.camera.position = world.camera.target = {95.0f, 104.0f, 0};
    // A click on 3.rs selects it without moving the camera.
    auto [px, py] = to_window(world, {99, 101, 0});
    map_pointer_pressed(world, kScreen, px, py);
    map_pointer_moved(world, kScreen, px + 4, py + 6);
    EXPECT_EQ(map_pointer_released(world, kScreen, px + 4, py + 6), MapClick::Selected);
    EXPECT_EQ(world.selected, 1u);
    EXPECT_EQ(world.camera.target, (Vec3{95.0f, 104.0f, 0}));
    // Clicking the selected entry enters it; a hidden entry changes nothing.
    map_pointer_pressed(world, kScreen, px, py);
    EXPECT_EQ(map_pointer_released(world, kScreen, px, py), MapClick::EnterSelected);
    std::tie(px, py) = to_window(world, {96, 102, 0});
    map_pointer_pressed(world, kScreen, px, py);
    EXPECT_EQ(map_pointer_released(world, kScreen, px, py), MapClick::None);
    EXPECT_EQ(world.selected, 1u);

    // Eleven units away the press becomes a drag, and the floor point that
    // was grabbed follows the pointer.
    std::tie(px, py) = to_window(world, {96, 104, 0});
    map_pointer_pressed(world, kScreen, px, py);
    const Vec3 grabbed = world.drag.grabbed;
    map_pointer_moved(world, kScreen, px + 5, py + 6);
    EXPECT_EQ(world.drag.phase, DragPhase::Dragging);
    map_pointer_moved(world, kScreen, px + 40, py - 20);
    const Vec3 under = map_point_under(world.camera, kScreen, px + 40, py - 20);
    EXPECT_NEAR(under.x, grabbed.x, 1e-3f);
    EXPECT_NEAR(under.y, grabbed.y, 1e-3f);
    EXPECT_EQ(world.camera.target, world.camera.position);
    EXPECT_EQ(map_pointer_released(world, kScreen, px + 40, py - 20), MapClick::None);
    EXPECT_EQ(world.selected, 1u);
}

TEST(MapMouse, WheelFactorsAndZoomAboutThePointer) {
    EXPECT_FLOAT_EQ(wheel_factor(1), 1.1f);
    EXPECT_FLOAT_EQ(wheel_factor(5), 1.5f);
    EXPECT_FLOAT_EQ(wheel_factor(40), 1.5f);
    EXPECT_FLOAT_EQ(wheel_factor(-2), 0.8f);
    EXPECT_FLOAT_EQ(wheel_factor(-6), 0.5f);

    Overworld world = opened_world();
    world.camera.zoom = 0.5f;
    world.camera.position = world.camera.target = {94.5f, 104.5f, 0};
    const auto [px, py] = to_window(world, {95.0f, 104.0f, 0});
    wheel_zoom(world, kScreen, 1, px, py);
    EXPECT_FLOAT_EQ(world.camera.zoom, 0.55f);
    const Vec3 under = map_point_under(world.camera, kScreen, px, py);
    EXPECT_NEAR(under.x, 95.0f, 1e-3f);
    EXPECT_NEAR(under.y, 104.0f, 1e-3f);
}

TEST(MapLimits, HoldAfterAnyMixOfZoomDragAndWheel) {
    std::mt19937 random(7);
    for (const MapScreen screen : {kScreen, MapScreen{600, 900, 600, 900}}) {
        Overworld world = opened_world();
        apply_view_limits(world.camera, screen.aspect());
        for (int i = 0; i < 300; ++i) {
            const float x = float(random() % screen.window_width);
            const float y = float(random() % screen.window_height);
            switch (random() % 4) {
            case 0:
                wheel_zoom(world, screen, int(random() % 17) - 8, x, y);
                break;
            case 1:
                map_pointer_pressed(world, screen, x, y);
                map_pointer_moved(world, screen, float(random() % 2000) - 400,
                                  float(random() % 2000) - 400);
                map_pointer_released(world, screen, x, y);
                break;
            case 2:
                press_map_move(world, MapMove(random() % 6), PressSource::Button, screen);
                break;
            default:
                repeat_map_move(world, screen);
                glide_toward_target(world.camera);
            }
            expect_within_limits(world.camera, screen.aspect());
            if (HasFailure())
                return;
        }
    }
}

TEST(AutomaticSelection, TakesTheFirstUnfinishedNeighbourEvenIfLockedAndNeverACompletedOne) {
    std::vector<OverworldEntry> levels = build_overworld_table();
    levels[0].state = State::Completed;
    reveal_around(levels, 0);
    EXPECT_EQ(automatic_selection(levels, 0), 1u) << "3.rs, just revealed";
    levels[1].state = State::Completed;
    EXPECT_EQ(automatic_selection(levels, 0), 78u) << "the locked final level";
    levels[78].state = State::Completed;
    EXPECT_EQ(automatic_selection(levels, 0), std::nullopt);
}

TEST(MapReveal, AWinOpensEveryHiddenNeighbourAndNothingElse) {
    std::mt19937 random(11);
    std::size_t most_revealed = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<OverworldEntry> levels = build_overworld_table();
        const std::size_t wins = random() % levels.size();
        for (std::size_t w = 0; w < wins; ++w) {
            const std::size_t i = random() % levels.size();
            if (levels[i].state == State::Hidden)
                continue;
            const std::vector<OverworldEntry> before = levels;
            levels[i].state = State::Completed;
            const std::vector<Pos> revealed = reveal_around(levels, i);
            most_revealed = std::max(most_revealed, revealed.size());
            for (std::size_t j = 0; j < levels.size(); ++j) {
                const bool neighbour = are_neighbours(entry_cell(levels[j]), entry_cell(levels[i]));
                if (before[j].state == State::Hidden && neighbour) {
                    ASSERT_EQ(levels[j].state, State::Available) << levels[j].id;
                } else if (j != i && j + 1 != levels.size()) {
                    ASSERT_EQ(levels[j].state, before[j].state) << levels[j].id;
                }
            }
        }
    }
    EXPECT_GE(most_revealed, 2u) << "some win must open two or more neighbours at once";
}
