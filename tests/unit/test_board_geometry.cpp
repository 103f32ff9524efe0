#include "board_renderer/board_geometry.hpp"
#include "board_renderer/floor_palette.hpp"
#include "board_renderer/reunion_layout.hpp"
#include "env_rendering/wall_scenery.hpp"
#include "support/rules_fixtures.hpp"
#include "test_board_geometry_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

constexpr std::size_t kTileVertices = 6;
constexpr std::size_t kFunnelVertices = (kExitRings - 1) * kExitSegments * 6;

// The name and the exit these geometry tests were written with.
Puzzle open_board(std::uint8_t width, std::uint8_t height, std::uint8_t setting) {
    Puzzle p = coilwend::testing::open_board(width, height);
    p.name = "Open Field";
    p.setting = setting;
    p.exit = {1, 1};
    return p;
}

struct Built {
    std::vector<MeshVertex> ground;
    std::vector<PatternVertex> scenery;
};

Built build(const Puzzle& puzzle) {
    Built b;
    build_static_geometry(puzzle, b.ground, b.scenery);
    return b;
}

// The colour of the floor tile whose first vertex is the cell's lower left
// corner; tiles come first, row by row, skipping the exit.
std::optional<Rgb> tile_colour(const std::vector<MeshVertex>& ground, Pos cell) {
    for (std::size_t i = 0; i + 5 < ground.size(); i += kTileVertices) {
        if (ground[i].normal[2] != 1 || ground[i].position[2] != 0)
            break;
        if (ground[i].position[0] == cell.x - 0.5f && ground[i].position[1] == cell.y - 0.5f &&
            ground[i + 2].position[0] == cell.x + 0.5f)
            return ground[i].color1;
    }
    return std::nullopt;
}

Rgb halved(Rgb c, int n) {
    return {std::uint8_t(c.r >> n), std::uint8_t(c.g >> n), std::uint8_t(c.b >> n)};
}

} // namespace

TEST(FloorPalette, GivenSettingsAndParityWhenColouredThenTheShadesAlternateLikeAChessboard) {
    EXPECT_EQ(floor_colour(FloorPalette::Setting0, {0, 0}), (Rgb{218, 194, 124}));
    EXPECT_EQ(floor_colour(FloorPalette::Setting0, {1, 0}), (Rgb{215, 175, 114}));
    EXPECT_EQ(floor_colour(FloorPalette::Setting1, {3, 4}), (Rgb{16, 74, 13}));
    EXPECT_EQ(floor_colour(FloorPalette::Setting2, {2, 4}), (Rgb{92, 128, 11}));
    EXPECT_EQ(floor_colour(FloorPalette::Setting3, {0, 1}), (Rgb{100, 73, 51}));
    EXPECT_EQ(floor_colour(FloorPalette::Setting4, {5, 5}), (Rgb{168, 168, 168}));
    EXPECT_EQ(floor_colour(FloorPalette::Water, {6, 6}), (Rgb{13, 44, 151}));
    EXPECT_EQ(floor_colour(FloorPalette::Water, {6, 5}), (Rgb{12, 36, 138}));

    EXPECT_EQ(palette_for_setting(3), FloorPalette::Setting3);
    EXPECT_EQ(palette_for_setting(4), FloorPalette::Setting4);
    EXPECT_EQ(palette_for_setting(5), FloorPalette::Setting4);
    EXPECT_EQ(palette_for_setting(255), FloorPalette::Setting4);
}

TEST(FloorPaletteDeathTest, GivenANegativeCellWhenItsParityIsTakenThenTheProgramStops) {
    // The panic text goes to the log (standard output), so only the death is checked.
    EXPECT_DEATH(floor_parity({-1, 0}), "");
}

TEST(StaticGeometry, GivenAPlainBoardWhenBuiltThenEveryCellButTheExitGetsATileOfItsPalette) {
    Puzzle p = open_board(4, 3, 2);
    p.water = {{2, 0}, {3, 2}};
    const Built b = build(p);
    ASSERT_EQ(b.ground.size(), (4 * 3 - 1) * kTileVertices + kFunnelVertices);
    EXPECT_TRUE(b.scenery.empty());
    EXPECT_EQ(tile_colour(b.ground, {0, 0}), (Rgb{92, 128, 11}));
    EXPECT_EQ(tile_colour(b.ground, {1, 0}), (Rgb{72, 95, 10}));
    EXPECT_EQ(tile_colour(b.ground, {2, 0}), (Rgb{13, 44, 151}));
    EXPECT_EQ(tile_colour(b.ground, {3, 2}), (Rgb{12, 36, 138}));
    EXPECT_EQ(tile_colour(b.ground, {1, 1}), std::nullopt);

    // Settings beyond 4 take the setting-4 floor.
    p.setting = 7;
    EXPECT_EQ(tile_colour(build(p).ground, {0, 0}), (Rgb{168, 168, 168}));
}

TEST(StaticGeometry, GivenUsedScratchVectorsWhenRebuiltThenOldContentIsDropped) {
    Built b = build(open_board(5, 5, 0));
    b.scenery.resize(10);
    build_static_geometry(open_board(2, 2, 0), b.ground, b.scenery);
    EXPECT_EQ(b.ground.size(), 3 * kTileVertices + kFunnelVertices);
    EXPECT_TRUE(b.scenery.empty());
}

TEST(ExitFunnel, GivenAnExitCellWhenBuiltThenFiveRingsNarrowAndDarkenToAPointFiveBelow) {
    std::vector<MeshVertex> mesh;
    const Rgb cx{200, 101, 17};
    add_exit_funnel(mesh, {4, 2}, cx);
    ASSERT_EQ(mesh.size(), kFunnelVertices);

    // Each band of 32 segments joins two rings; read the rings back from the
    // vertices' heights.
    const float heights[kExitRings] = {0, 0, -0.5f, -3, -5};
    const Rgb colours[kExitRings] = {cx, cx, halved(cx, 1), halved(cx, 2), halved(cx, 3)};
    const std::size_t per_band = kExitSegments * 6;
    for (int band = 0; band + 1 < kExitRings; ++band)
        for (std::size_t i = band * per_band; i < (band + 1) * per_band; ++i) {
            const MeshVertex& v = mesh[i];
            const bool outer_ring = (i % 6 == 0 || i % 6 == 1 || i % 6 == 3);
            const int ring = outer_ring ? band : band + 1;
            ASSERT_FLOAT_EQ(v.position[2], heights[ring]);
            ASSERT_EQ(v.color1, colours[ring]);
        }

    // The outer ring runs along the cell's square, the top is flat, and the
    // bottom is a single point.
    for (std::size_t i = 0; i < per_band; i += 6) {
        const float dx = std::fabs(mesh[i].position[0] - 4),
                    dy = std::fabs(mesh[i].position[1] - 2);
        EXPECT_FLOAT_EQ(std::max(dx, dy), 0.5f);
        EXPECT_EQ(normal_of(mesh[i]), (Vec3{0, 0, 1}));
    }
    EXPECT_FLOAT_EQ(mesh.back().position[0], 4);
    EXPECT_FLOAT_EQ(mesh.back().position[1], 2);

    // The walls lean inwards and up, and every face is seen from above.
    for (std::size_t i = 2 * per_band; i < mesh.size(); ++i) {
        const Vec3 n = normal_of(mesh[i]);
        const Vec3 out{mesh[i].position[0] - 4, mesh[i].position[1] - 2, 0};
        EXPECT_NEAR(length(n), 1, 1e-5f);
        EXPECT_GT(n.z, 0);
        EXPECT_LE(dot(n, out), 1e-6f);
    }
    for (const Triangle& t : triangles_of(mesh))
        EXPECT_GE(t.face().z, 0);
}

TEST(StaticGeometry, GivenTheExitOnWaterWhenBuiltThenTheFunnelTakesTheWaterShade) {
    Puzzle p = open_board(3, 3, 0);
    p.exit = {2, 1};
    p.water = {{2, 1}};
    const Built b = build(p);
    const MeshVertex& first_funnel_vertex = b.ground[8 * kTileVertices];
    EXPECT_EQ(first_funnel_vertex.color1, (Rgb{12, 36, 138}));
}

TEST(StaticGeometry, GivenWallsWhenBuiltThenEachGetsItsSettingsSceneryInListOrder) {
    Puzzle p = open_board(6, 4, 1);
    p.walls = {{0, 0}, {5, 3}, {2, 2}};
    const Built b = build(p);

    std::vector<MeshVertex> mesh;
    std::vector<PatternVertex> pattern;
    for (const Pos wall : p.walls)
        add_wall_scenery(1, wall, mesh, pattern);
    const std::size_t floor = (6 * 4 - 1) * kTileVertices + kFunnelVertices;
    ASSERT_EQ(b.ground.size(), floor + mesh.size());
    EXPECT_EQ(std::memcmp(b.ground.data() + floor, mesh.data(), mesh.size() * sizeof(MeshVertex)),
              0);
    ASSERT_EQ(b.scenery.size(), pattern.size());
    EXPECT_EQ(std::memcmp(b.scenery.data(), pattern.data(), pattern.size() * sizeof(PatternVertex)),
              0);
}

TEST(StaticGeometry, GivenAnyBoardWhenViewedThroughTheCameraThenNoBackFaceIsSeenFirst) {
    Puzzle p = open_board(5, 4, 3);
    p.walls = {{0, 0}, {4, 3}, {2, 0}};
    p.exit = {3, 2};
    const Built b = build(p);
    std::vector<Triangle> all = triangles_of(b.ground);
    const auto patterned = triangles_of(b.scenery);
    all.insert(all.end(), patterned.begin(), patterned.end());
    for (std::int8_t x = 0; x < 5; ++x)
        for (std::int8_t y = 0; y < 4; ++y)
            EXPECT_EQ(
                back_faces_seen(all, {float(x), float(y), 0}, 0.5f, camera_view_direction(), 8), 0);
}

TEST(Reunion, GivenTheLevelWhenBuiltThenTheFloorIsAPatchworkOfEverySettingsPalette) {
    Puzzle p = open_board(9, 6, 2);
    p.name = "Reunion";
    p.exit = {0, 5};
    p.walls = {{4, 1}}; // ignored in favour of the fixed table
    p.water = {{8, 5}}; // likewise
    const Built b = build(p);

    EXPECT_EQ(tile_colour(b.ground, {0, 0}), floor_colour(FloorPalette::Water, {0, 0}));
    EXPECT_EQ(tile_colour(b.ground, {1, 2}), floor_colour(FloorPalette::Water, {1, 2}));
    EXPECT_EQ(tile_colour(b.ground, {3, 1}), floor_colour(FloorPalette::Setting2, {3, 1}));
    EXPECT_EQ(tile_colour(b.ground, {2, 2}), floor_colour(FloorPalette::Setting2, {2, 2}));
    EXPECT_EQ(tile_colour(b.ground, {8, 2}), floor_colour(FloorPalette::Setting0, {8, 2}));
    EXPECT_EQ(tile_colour(b.ground, {4, 0}), floor_colour(FloorPalette::Setting0, {4, 0}));
    EXPECT_EQ(tile_colour(b.ground, {0, 2}), floor_colour(FloorPalette::Setting3, {0, 2}));
    EXPECT_EQ(tile_colour(b.ground, {2, 5}), floor_colour(FloorPalette::Setting3, {2, 5}));
    EXPECT_EQ(tile_colour(b.ground, {3, 3}), floor_colour(FloorPalette::Setting4, {3, 3}));
    EXPECT_EQ(tile_colour(b.ground, {6, 5}), floor_colour(FloorPalette::Setting4, {6, 5}));
    EXPECT_EQ(tile_colour(b.ground, {7, 3}), floor_colour(FloorPalette::Setting1, {7, 3}));
    EXPECT_EQ(tile_colour(b.ground, {8, 5}), floor_colour(FloorPalette::Setting1, {8, 5}));

    // The exit funnel is in the setting-3 shade of its cell.
    const MeshVertex& funnel = b.ground[(9 * 6 - 1) * kTileVertices];
    EXPECT_EQ(funnel.color1, floor_colour(FloorPalette::Setting3, {0, 5}));

    // The walls come from the table, each with its own setting's scenery.
    std::vector<MeshVertex> mesh;
    std::vector<PatternVertex> pattern;
    for (const ReunionWall& wall : reunion_walls())
        add_wall_scenery(wall.setting, wall.cell, mesh, pattern);
    EXPECT_EQ(reunion_walls().size(), 11u);
    EXPECT_EQ(b.ground.size(), (9 * 6 - 1) * kTileVertices + kFunnelVertices + mesh.size());
    EXPECT_EQ(b.scenery.size(), pattern.size());
}

TEST(Reunion, GivenTheBoardShownTurnedWhenBuiltThenEveryTableCellMovesToItsTurnedPlace) {
    Puzzle p = open_board(6, 9, 0);
    p.name = "Reunion";
    p.exit = {0, 0}; // table (0, 5) turned: (6 - 1 - 5, 0)
    const Built b = build(p);

    // Table (x, y) lies at (width - 1 - y, x) with parity (width + x - y - 1) mod 2.
    auto expect_region = [&](Pos table, FloorPalette palette) {
        const Pos board{std::int8_t(6 - 1 - table.y), table.x};
        const int parity = (6 + table.x - table.y - 1) % 2;
        EXPECT_EQ(tile_colour(b.ground, board), palette_colour(palette, parity))
            << int(table.x) << "," << int(table.y);
    };
    expect_region({0, 0}, FloorPalette::Water);
    expect_region({3, 2}, FloorPalette::Setting2);
    expect_region({8, 0}, FloorPalette::Setting0);
    expect_region({1, 5}, FloorPalette::Setting3);
    expect_region({3, 4}, FloorPalette::Setting4);
    expect_region({8, 5}, FloorPalette::Setting1);

    EXPECT_EQ(reunion_board_cell(p, {7, 4}), (Pos{1, 7}));
    EXPECT_EQ(reunion_board_cell(p, {0, 2}), (Pos{3, 0}));

    // The walls turn with the floor: the rock at table (6, 0) stands at (5, 6).
    std::vector<MeshVertex> mesh;
    std::vector<PatternVertex> pattern;
    for (const ReunionWall& wall : reunion_walls())
        add_wall_scenery(wall.setting, reunion_board_cell(p, wall.cell), mesh, pattern);
    const std::size_t floor = (6 * 9 - 1) * kTileVertices + kFunnelVertices;
    ASSERT_EQ(b.ground.size(), floor + mesh.size());
    EXPECT_EQ(std::memcmp(b.ground.data() + floor, mesh.data(), mesh.size() * sizeof(MeshVertex)),
              0);

    std::vector<MeshVertex> rock;
    std::vector<PatternVertex> unused;
    add_wall_scenery(0, {5, 6}, rock, unused);
    bool found = false;
    for (std::size_t i = floor; i + rock.size() <= b.ground.size(); i += 3)
        found |=
            std::memcmp(b.ground.data() + i, rock.data(), rock.size() * sizeof(MeshVertex)) == 0;
    EXPECT_TRUE(found);
}

TEST(Reunion, GivenAnotherLevelWhenBuiltThenTheTablesAreNotUsed) {
    Puzzle p = open_board(9, 6, 2);
    p.exit = {0, 5};
    const Built b = build(p);
    EXPECT_EQ(tile_colour(b.ground, {0, 0}), floor_colour(FloorPalette::Setting2, {0, 0}));
    EXPECT_EQ(b.ground.size(), (9 * 6 - 1) * kTileVertices + kFunnelVertices);
}
