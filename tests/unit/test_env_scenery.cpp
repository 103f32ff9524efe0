#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_random.hpp"
#include "env_rendering/wall_scenery.hpp"
#include "test_board_geometry_support.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <set>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

struct Scenery {
    std::vector<MeshVertex> mesh;
    std::vector<PatternVertex> pattern;
};

Scenery scenery_of(std::uint8_t setting, Pos cell) {
    Scenery s;
    add_wall_scenery(setting, cell, s.mesh, s.pattern);
    return s;
}

template <typename VertexT>
bool same_bytes(const std::vector<VertexT>& a, const std::vector<VertexT>& b) {
    // memcmp must not see the null data pointer of an empty vector.
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(VertexT)) == 0);
}

std::vector<Pos> board_cells() {
    std::vector<Pos> cells;
    for (std::int8_t x = 0; x < 11; ++x)
        for (std::int8_t y = 0; y < 7; ++y)
            cells.push_back({x, y});
    return cells;
}

template <typename VertexT>
void expect_inside_cell(const std::vector<VertexT>& vertices, Pos cell, int setting) {
    constexpr float kTolerance = 1e-4f;
    for (const VertexT& v : vertices) {
        const Vec3 p = position_of(v);
        ASSERT_LE(std::fabs(p.x - cell.x), 0.5f + kTolerance)
            << "setting " << setting << " cell " << int(cell.x) << "," << int(cell.y);
        ASSERT_LE(std::fabs(p.y - cell.y), 0.5f + kTolerance)
            << "setting " << setting << " cell " << int(cell.x) << "," << int(cell.y);
        ASSERT_GE(p.z, -kTolerance) << "setting " << setting;
    }
}

template <typename VertexT> bool all_finite(const std::vector<VertexT>& vertices) {
    for (const VertexT& v : vertices)
        for (int k = 0; k < 3; ++k)
            if (!std::isfinite(v.position[k]) || !std::isfinite(v.normal[k]))
                return false;
    return true;
}

std::set<std::tuple<int, int, int>> colours_of(const std::vector<MeshVertex>& mesh) {
    std::set<std::tuple<int, int, int>> colours;
    for (const MeshVertex& v : mesh)
        colours.insert({v.color1.r, v.color1.g, v.color1.b});
    return colours;
}

} // namespace

TEST(CellRandom, GivenACellWhenDrawnThenFollowsTheXorshiftStarSequenceSeededByItsPosition) {
    // Seed 2(0 + 1) + 3(0 + 1) = 5; outputs 0x423212E85FB37474, 0x96051F25A1AADC74.
    CellRandom origin({0, 0});
    EXPECT_NEAR(origin.next(), 0.25857657f, 1e-6f);
    EXPECT_NEAR(origin.next(), 0.58601565f, 1e-6f);
    // Seed 2(3 + 1) + 3(2 + 1) = 17.
    EXPECT_NEAR(CellRandom({3, 2}).next(), 0.35659059f, 1e-6f);

    CellRandom random({5, 6});
    for (int i = 0; i < 10000; ++i) {
        const float value = random.next();
        ASSERT_GE(value, 0.0f);
        ASSERT_LT(value, 1.0f);
        const float jitter = random.jitter(0.02f);
        ASSERT_GE(jitter, -0.02f);
        ASSERT_LT(jitter, 0.02f);
    }
}

TEST(AddTriangle,
     GivenCounterClockwisePointsWhenAddedThenAllVerticesCarryTheFaceNormalAndOwnColour) {
    std::vector<MeshVertex> mesh;
    add_triangle(mesh, {0, 0, 0}, {2, 0, 0}, {0, 3, 0}, {1, 2, 3}, {4, 5, 6}, {7, 8, 9});
    ASSERT_EQ(mesh.size(), 3u);
    for (const MeshVertex& v : mesh)
        EXPECT_EQ(normal_of(v), (Vec3{0, 0, 1}));
    EXPECT_EQ(mesh[1].color1, (Rgb{4, 5, 6}));
    EXPECT_EQ(mesh[2].color1, (Rgb{7, 8, 9}));

    add_triangle(mesh, {0, 0, 0}, {0, 3, 0}, {2, 0, 0}, {}, {}, {});
    EXPECT_EQ(normal_of(mesh[3]), (Vec3{0, 0, -1}));
}

TEST(AddFloorTile, GivenACellWhenAddedThenTwoUpFacingTrianglesCoverItsSquare) {
    std::vector<MeshVertex> mesh;
    add_floor_tile(mesh, {3, -2}, {10, 20, 30});
    ASSERT_EQ(mesh.size(), 6u);
    const Vec3 expected[6] = {{2.5f, -2.5f, 0}, {3.5f, -2.5f, 0}, {3.5f, -1.5f, 0},
                              {2.5f, -2.5f, 0}, {3.5f, -1.5f, 0}, {2.5f, -1.5f, 0}};
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(position_of(mesh[i]), expected[i]);
        EXPECT_EQ(normal_of(mesh[i]), (Vec3{0, 0, 1}));
        EXPECT_EQ(mesh[i].color1, (Rgb{10, 20, 30}));
    }
    for (const Triangle& t : triangles_of(mesh))
        EXPECT_GT(t.face().z, 0);
}

TEST(WallScenery, GivenTheSameCellAndSettingWhenBuiltTwiceThenTheBytesAreIdentical) {
    for (std::uint8_t setting = 0; setting <= 4; ++setting) {
        const Scenery first = scenery_of(setting, {4, 3});
        const Scenery second = scenery_of(setting, {4, 3});
        EXPECT_FALSE(first.mesh.empty() && first.pattern.empty()) << int(setting);
        EXPECT_TRUE(same_bytes(first.mesh, second.mesh)) << int(setting);
        EXPECT_TRUE(same_bytes(first.pattern, second.pattern)) << int(setting);

        // Another cell varies the shape, not just its place.
        Scenery moved = scenery_of(setting, {5, 3});
        for (MeshVertex& v : moved.mesh)
            v.position[0] -= 1;
        for (PatternVertex& v : moved.pattern)
            v.position[0] -= 1;
        EXPECT_FALSE(same_bytes(first.mesh, moved.mesh) && same_bytes(first.pattern, moved.pattern))
            << int(setting);
    }
}

TEST(WallScenery, GivenSettingsAboveFourWhenBuiltThenTheyLookLikeSettingFour) {
    const Scenery tires = scenery_of(4, {2, 5});
    for (const std::uint8_t setting : {5, 9, 200, 255}) {
        const Scenery other = scenery_of(setting, {2, 5});
        EXPECT_TRUE(same_bytes(tires.mesh, other.mesh)) << int(setting);
        EXPECT_TRUE(same_bytes(tires.pattern, other.pattern)) << int(setting);
    }
}

TEST(WallScenery,
     GivenEveryCellOfTheLargestBoardWhenBuiltThenPiecesStayInsideTheirCellAndAboveTheFloor) {
    for (std::uint8_t setting = 0; setting <= 4; ++setting)
        for (const Pos cell : board_cells()) {
            const Scenery s = scenery_of(setting, cell);
            expect_inside_cell(s.mesh, cell, setting);
            expect_inside_cell(s.pattern, cell, setting);
            ASSERT_TRUE(all_finite(s.mesh)) << int(setting);
            ASSERT_TRUE(all_finite(s.pattern)) << int(setting);
            for (const PatternVertex& v : s.pattern)
                ASSERT_TRUE(std::isfinite(v.uv[0]) && std::isfinite(v.uv[1]));
            ASSERT_EQ(s.mesh.size() % 3, 0u);
            ASSERT_EQ(s.pattern.size() % 3, 0u);
        }
}

TEST(WallScenery, GivenTheBoardCameraWhenLookingAtAnyPieceThenOnlyFrontFacesAreSeenFirst) {
    // With back faces culled, a piece whose nearest surface winds the wrong
    // way would show its inside.
    const Vec3 view = camera_view_direction();
    for (std::uint8_t setting = 0; setting <= 4; ++setting)
        for (const Pos cell : {Pos{1, 1}, Pos{6, 2}, Pos{9, 5}, Pos{3, 4}}) {
            const Scenery s = scenery_of(setting, cell);
            std::vector<Triangle> all = triangles_of(s.mesh);
            const auto patterned = triangles_of(s.pattern);
            all.insert(all.end(), patterned.begin(), patterned.end());
            EXPECT_EQ(back_faces_seen(all, cell_centre(cell), 0.7f, view), 0)
                << "setting " << int(setting) << " cell " << int(cell.x) << "," << int(cell.y);
            // Seen straight from above as well (the light's side of things).
            EXPECT_EQ(back_faces_seen(all, cell_centre(cell), 0.6f, {0, 0, -1}), 0)
                << "setting " << int(setting);
        }
}

TEST(WallScenery, GivenPatternedPiecesWhenShadedThenVertexNormalsAgreeWithTheWinding) {
    for (std::uint8_t setting : {1, 4})
        for (const Pos cell : board_cells()) {
            const Scenery s = scenery_of(setting, cell);
            for (std::size_t i = 0; i + 2 < s.pattern.size(); i += 3) {
                const Triangle t{position_of(s.pattern[i]), position_of(s.pattern[i + 1]),
                                 position_of(s.pattern[i + 2])};
                const Vec3 face = t.face();
                if (length(face) < 1e-7f)
                    continue;
                for (int k = 0; k < 3; ++k)
                    ASSERT_GT(dot(face, normal_of(s.pattern[i + k])), 0)
                        << "setting " << int(setting) << " triangle " << i / 3;
            }
        }
}

TEST(WallScenery, GivenTheDesertWhenBuiltThenARockOfSixteenFacetsStandsAboutOneCellHigh) {
    for (const Pos cell : board_cells()) {
        const Scenery s = scenery_of(0, cell);
        ASSERT_EQ(s.mesh.size(), 16u * 3);
        EXPECT_TRUE(s.pattern.empty());
        EXPECT_EQ(colours_of(s.mesh), (std::set<std::tuple<int, int, int>>{{192, 58, 10}}));
        float top = 0;
        for (const MeshVertex& v : s.mesh) {
            top = std::max(top, v.position[2]);
            // Every corner is on the floor or near the top.
            EXPECT_TRUE(v.position[2] == 0 || v.position[2] > 0.79f) << v.position[2];
        }
        EXPECT_GT(top, 0.8f);
        EXPECT_LT(top, 0.95f);
    }
}

TEST(WallScenery, GivenTheForestWhenBuiltThenAStumpHasBarkRingsAndPlainRoots) {
    const Scenery s = scenery_of(1, {3, 3});
    std::set<int> patterns;
    for (const PatternVertex& v : s.pattern) {
        patterns.insert(v.pattern);
        if (v.pattern == 5) {
            EXPECT_EQ(v.color1, (Rgb{87, 42, 27}));
            EXPECT_EQ(v.color2, (Rgb{76, 35, 22}));
        } else {
            EXPECT_EQ(v.color1, (Rgb{156, 105, 49}));
            EXPECT_EQ(v.color2, (Rgb{139, 92, 41}));
            // The cut is flat and faces up.
            EXPECT_EQ(normal_of(v), (Vec3{0, 0, 1}));
        }
    }
    EXPECT_EQ(patterns, (std::set<int>{5, 6}));
    EXPECT_FALSE(s.mesh.empty());
    EXPECT_EQ(colours_of(s.mesh), (std::set<std::tuple<int, int, int>>{{87, 42, 27}}));

    // The rings pattern repeats every 0.2 in t, so t grows with the distance
    // from the stump's heart: several rings across the cut.
    float heart = 1e9f, edge = 0;
    for (const PatternVertex& v : s.pattern)
        if (v.pattern == 6) {
            heart = std::min(heart, v.uv[1]);
            edge = std::max(edge, v.uv[1]);
        }
    EXPECT_FLOAT_EQ(heart, 0);
    EXPECT_GT(edge / 0.2f, 3);
}

TEST(WallScenery, GivenTheMarshWhenBuiltThenEveryBladeFaceIsDarkAtOneCornerOnly) {
    const Rgb dark{64, 99, 27}, light{154, 200, 22};
    for (const Pos cell : {Pos{0, 0}, Pos{7, 3}}) {
        const Scenery s = scenery_of(2, cell);
        EXPECT_TRUE(s.pattern.empty());
        int blades = 0, pieces = 0;
        for (std::size_t i = 0; i < s.mesh.size(); i += 3) {
            int darks = 0, lights = 0;
            for (int k = 0; k < 3; ++k) {
                darks += s.mesh[i + k].color1 == dark;
                lights += s.mesh[i + k].color1 == light;
            }
            if (darks + lights == 0) {
                ++pieces;
                continue;
            }
            ++blades;
            EXPECT_EQ(darks, 1);
            EXPECT_EQ(lights, 2);
        }
        EXPECT_GE(blades, 30);
        // Cattails are 8-sided cylinders closed at both ends: 4 triangles a side.
        EXPECT_GT(pieces, 0);
        EXPECT_EQ(pieces % (8 * 4), 0);
    }
}

TEST(WallScenery, GivenReedsAcrossTheBoardWhenBuiltThenTheirHeightsVary) {
    std::set<int> heights;
    for (const Pos cell : board_cells()) {
        float top = 0;
        for (const MeshVertex& v : scenery_of(2, cell).mesh)
            top = std::max(top, v.position[2]);
        heights.insert(int(top * 100));
    }
    EXPECT_GT(heights.size(), 5u);
}

TEST(WallScenery, GivenTheFourthSettingWhenBuiltThenDrumsAreYellowWithDarkDetails) {
    const Scenery s = scenery_of(3, {2, 2});
    EXPECT_TRUE(s.pattern.empty());
    EXPECT_EQ(colours_of(s.mesh),
              (std::set<std::tuple<int, int, int>>{{229, 173, 1}, {25, 25, 25}}));
    // One drum stands upright, the other leans by 0.3 radians: its side faces
    // tilt away from vertical.
    bool upright = false, leaning = false;
    for (std::size_t i = 0; i < s.mesh.size(); i += 3) {
        if (!(s.mesh[i].color1 == Rgb{229, 173, 1}))
            continue;
        const float nz = s.mesh[i].normal[2];
        upright |= std::fabs(nz) < 1e-4f;
        leaning |= std::fabs(std::fabs(nz) - std::sin(0.3f)) < 0.02f;
    }
    EXPECT_TRUE(upright);
    EXPECT_TRUE(leaning);
}

TEST(WallScenery, GivenJunkyardCellsWhenBuiltThenTireStacksUseTheTirePatternAndVaryInHeight) {
    const std::set<std::tuple<int, int, int>> tire_colours{
        {15, 15, 15}, {20, 20, 20}, {10, 10, 10}};
    std::set<int> stack_heights;
    for (const Pos cell : board_cells()) {
        const Scenery s = scenery_of(4, cell);
        EXPECT_TRUE(s.mesh.empty());
        float top = 0;
        for (const PatternVertex& v : s.pattern) {
            ASSERT_EQ(v.pattern, 8);
            ASSERT_TRUE(tire_colours.count({v.color1.r, v.color1.g, v.color1.b}));
            ASSERT_TRUE(tire_colours.count({v.color2.r, v.color2.g, v.color2.b}));
            top = std::max(top, v.position[2]);
        }
        stack_heights.insert(int(std::round(top * 100)));
    }
    EXPECT_GE(stack_heights.size(), 3u);
}
