// The overworld map as the player sees it, checked on the CPU: the ground
// closes into one rectangle with one tile per cell, the scenery finds its
// settings, and the per-frame markers follow the levels' states and the
// completion, reveal and title animations.

#include "overworld_rendering/map_geometry.hpp"
#include "overworld_rendering/map_markers.hpp"
#include "support/graphics_fake_gl.hpp"
#include "support/stdout_to_stderr.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace coilwend {
namespace {

constexpr Rgb kWater{13, 44, 151};
// clang-format off
const std::set<std::pair<int, int>> kLake{{89, 99}, {89, 100}, {89, 101}, {89, 102}, {90, 102},
    {91, 103}, {91, 102}, {91, 101}, {92, 102}, {92, 101}, {92, 100}, {89, 104}};
// clang-format on

TEST(OverworldMap, GivenTheTable_ThenTheTilesCoverTheMapRectangleOncePerCell) {
    const std::vector<OverworldEntry> table = build_overworld_table();
    const MapGeometry map = build_map_geometry(table);
    ASSERT_EQ(map.tile_count, 144u);

    std::set<std::pair<int, int>> cells;
    for (std::size_t tile = 0; tile < map.tile_count; ++tile) {
        const PatternVertex* v = &map.pattern[tile * 6];
        const int x = static_cast<int>(std::lround(v[0].position[0] + 0.5f));
        const int y = static_cast<int>(std::lround(v[0].position[1] + 0.5f));
        EXPECT_TRUE(cells.emplace(x, y).second) << "tile " << tile << " repeats a cell";
        if (tile < table.size()) {
            EXPECT_EQ(x, table[tile].x) << "entries first, in table order";
            EXPECT_EQ(y, table[tile].y);
        }
        for (int k = 0; k < 6; ++k) {
            EXPECT_EQ(v[k].normal[2], 1.0f);
            EXPECT_EQ(v[k].position[2], 0.0f);
            EXPECT_FLOAT_EQ(v[k].uv[0], 2 * v[k].position[0] + 1);
            EXPECT_FLOAT_EQ(v[k].uv[1], 2 * v[k].position[1] + 1);
            EXPECT_TRUE((v[k].pattern >= 1 && v[k].pattern <= 4) || v[k].pattern == 7);
            EXPECT_EQ(v[k].color1 == kWater, kLake.count({x, y}) == 1) << x << ", " << y;
        }
    }
    for (int x = 89; x <= 100; ++x)
        for (int y = 99; y <= 110; ++y)
            EXPECT_TRUE(cells.count({x, y})) << "a hole at " << x << ", " << y;
    EXPECT_GT(map.pattern.size(), 144u * 6) << "stumps and tires add patterned scenery";
}

TEST(OverworldMap, GivenTheScenery_ThenEachPieceBorrowsAnExtraTilesSettingAndNoneBuriesALevel) {
    const auto extras = extra_map_tiles();
    for (const SceneryPlacement& placement : map_scenery_placements()) {
        EXPECT_TRUE(std::any_of(extras.begin(), extras.end(),
                                [&](const MapTile& t) { return t.cell == placement.cell; }))
            << int(placement.cell.x) << ", " << int(placement.cell.y);
    }

    const std::vector<OverworldEntry> table = build_overworld_table();
    const MapGeometry map = build_map_geometry(table);
    auto on_a_level = [&](const float* p) {
        return std::any_of(table.begin(), table.end(), [&](const OverworldEntry& e) {
            return std::fabs(p[0] - e.x) < 0.49f && std::fabs(p[1] - e.y) < 0.49f;
        });
    };
    std::size_t pieces_on_levels = 0;
    for (const MeshVertex& v : map.mesh)
        pieces_on_levels += on_a_level(v.position);
    for (std::size_t i = map.tile_count * 6; i < map.pattern.size(); ++i)
        pieces_on_levels += on_a_level(map.pattern[i].position);
    EXPECT_EQ(pieces_on_levels, 0u);
}

TEST(OverworldMapDeathTest, GivenTwoTilesOnOneCell_ThenBuildingStops) {
    std::vector<OverworldEntry> table = build_overworld_table();
    table[5].x = 89; // onto the lake's border tile
    table[5].y = 99;
    coilwend::testing::stdout_to_stderr([&] {
        EXPECT_DEATH(build_map_geometry(table), "Multiple things at location: \\(89, 99\\)");
    });
}

// A small table: one entry in each state.
struct MarkerRig {
    std::vector<OverworldEntry> levels = {
        {"38.rs", 99, 100, State::Completed},
        {"3.rs", 99, 101, State::Available},
        {"57.rs", 98, 101, State::Hidden},
        {"89.rs", 99, 99, State::Locked},
    };
    OverworldFrame frame() const {
        OverworldFrame f;
        f.levels = levels;
        f.selected = 0;
        return f;
    }
};

TEST(OverworldMarkers, GivenEachState_ThenPlayableLevelsHaveGreyMarkersAndTheOthersNone) {
    const MarkerRig rig;
    const OverworldFrame frame = rig.frame();
    ASSERT_TRUE(level_marker(frame, 0));
    EXPECT_EQ(level_marker(frame, 0)->colour, kCompletedMarker);
    EXPECT_EQ(level_marker(frame, 0)->size, 1.0f);
    EXPECT_EQ(level_marker(frame, 1)->colour, kAvailableMarker);
    EXPECT_FALSE(level_marker(frame, 2)) << "hidden";
    EXPECT_FALSE(level_marker(frame, 3)) << "locked";
}

TEST(OverworldMarkers, GivenAMarker_ThenItIsADiscAndRimOfThirtyTwoSegmentsFacingUp) {
    MarkerRig rig;
    OverworldFrame frame = rig.frame();
    const std::array<Pos, 1> revealed{{{99, 101}}};
    frame.revealed_cells = revealed;
    frame.reveal_progress = 0.5f;
    std::vector<MeshVertex> out;
    build_map_markers(frame, out);

    // The available marker at half size: radius 0.175, height 0.05.
    std::size_t disc = 0, rim = 0;
    for (const MeshVertex& v : out) {
        const float r = std::hypot(v.position[0] - 99, v.position[1] - 101);
        if (r > 0.18f || v.position[2] != 0.05f)
            continue;
        EXPECT_EQ(v.normal[2], 1.0f);
        EXPECT_LE(r, 0.35f * 0.5f + 1e-4f);
        if (v.color1 == kAvailableMarker)
            ++disc;
        else if (v.color1 == Rgb{30, 30, 30})
            ++rim;
    }
    EXPECT_EQ(disc, 32u * 3);
    EXPECT_EQ(rim, 32u * 6);
}

TEST(OverworldMarkers, GivenTheAnimations_ThenMarkersBrightenAndGrow) {
    MarkerRig rig;
    rig.levels[0].state = State::Completed; // completed as the transition begins
    OverworldFrame frame = rig.frame();

    frame.completing_progress = 0.5f;
    EXPECT_EQ(level_marker(frame, 0)->colour, (Rgb{124, 124, 124})) << "midway between greys";
    EXPECT_EQ(level_marker(frame, 1)->colour, kAvailableMarker) << "only the selected one";
    frame.completing_progress.reset();

    const std::array<Pos, 1> revealed{{{99, 101}}};
    frame.revealed_cells = revealed;
    frame.reveal_progress = 0.25f;
    EXPECT_FLOAT_EQ(level_marker(frame, 1)->size, 0.25f);
    EXPECT_FLOAT_EQ(level_marker(frame, 0)->size, 1.0f);
    frame.revealed_cells = {};

    std::vector<MeshVertex> out;
    for (const float title : {0.0f, 5.0f, 9.0f}) {
        frame.title_progress = title;
        EXPECT_EQ(level_marker(frame, 0)->size, 0.0f) << title;
        build_map_markers(frame, out);
        EXPECT_TRUE(out.empty()) << "neither markers nor cursor at title " << title;
    }
    frame.title_progress = 9.5f;
    EXPECT_FLOAT_EQ(level_marker(frame, 1)->size, 0.5f);
    frame.title_progress = 10.0f;
    EXPECT_FLOAT_EQ(level_marker(frame, 1)->size, 1.0f);
}

TEST(OverworldMarkers, GivenTheSelection_ThenABreathingCursorReachesBeyondTheMarker) {
    MarkerRig rig;
    OverworldFrame frame = rig.frame();
    frame.selected = 1;
    auto cursor_reach = [&](float phase) {
        frame.scenery_phase = phase;
        std::vector<MeshVertex> out;
        build_map_markers(frame, out);
        float reach = 0;
        for (const MeshVertex& v : out)
            if (v.position[2] > 0.1f)
                reach = std::max(reach, std::hypot(v.position[0] - 99, v.position[1] - 101));
        return reach;
    };
    const float rest = cursor_reach(0.75f), swell = cursor_reach(0.25f);
    EXPECT_GT(rest, 0.6f) << "well outside the marker's rim";
    EXPECT_GT(swell, rest + 0.05f) << "it moves with the scenery phase";
    EXPECT_LT(swell, 1.0f) << "and stays off the neighbours' markers";
}

} // namespace
} // namespace coilwend
