// The whole snake mesh: triangle counts, ring layout, resting on the floor,
// the exit dive, facing, determinism and robustness over every kind of snake.

#include "snake_rendering/snake_mesh.hpp"

#include "game/matrix.hpp"
#include "snake_rendering/snake_profile.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <map>

namespace coilwend {
namespace {

constexpr float kPi = 3.14159265358979f;

Snake snake_of(std::vector<Pos> cells, bool companion = true, bool two_headed = false) {
    Snake s;
    s.cells = std::move(cells);
    s.companion = companion;
    s.two_headed = two_headed;
    return s;
}

Snake straight(int length, bool companion = true, bool two_headed = false) {
    std::vector<Pos> cells;
    for (int x = 0; x < length; ++x)
        cells.push_back({static_cast<std::int8_t>(x), 0});
    return snake_of(cells, companion, two_headed);
}

std::vector<FacetVertex> mesh(const Snake& snake, const Puzzle& puzzle = {},
                              SnakeAnimation animation = {}, std::size_t index = 0) {
    std::vector<FacetVertex> out;
    build_snake(snake, index, puzzle, animation, out);
    return out;
}

Vec3 position(const FacetVertex& v) {
    return {v.position[0], v.position[1], v.position[2]};
}
Vec3 normal(const FacetVertex& v) {
    return {v.normal[0], v.normal[1], v.normal[2]};
}

// Triangles of a snake of L cells at rest: ring pairs between samples 2 and
// n - 2 of 24 triangles, two eyes of four triangles instead of two per head,
// and a rounded cap of 36 triangles at each end.
std::size_t expected_triangles(int length, HeadCount heads) {
    const std::size_t n = 6 * static_cast<std::size_t>(length);
    const std::size_t eyes = heads == HeadCount::Two ? 8 : 4;
    return 24 * (n - 4) + eyes + 2 * 36;
}

TEST(SnakeMesh, GivenSnakesOfEveryLength_WhenBuilt_ThenTriangleCountFollowsTheRings) {
    for (int length : {1, 2, 3, 7, 20}) {
        EXPECT_EQ(mesh(straight(length)).size(), 3 * expected_triangles(length, HeadCount::One))
            << length;
        EXPECT_EQ(mesh(straight(length, true, true)).size(),
                  3 * expected_triangles(length, HeadCount::Two))
            << length;
    }
}

TEST(SnakeMesh, GivenRattleSkinOrOpenMouth_WhenBuilt_ThenExtraTrianglesAreCounted) {
    // The player skin replaces three ring pairs by eighteen ribbed sub-pairs.
    EXPECT_EQ(mesh(straight(4, false)).size(),
              3 * (expected_triangles(4, HeadCount::One) + 15 * 24));
    // A mouth band of three quads and a point for each open end.
    Puzzle food;
    food.items = {{ItemKind::Grow, {4, 0}}, {ItemKind::Grow, {-1, 0}}};
    EXPECT_EQ(mesh(straight(4), food).size(), 3 * (expected_triangles(4, HeadCount::One) + 7));
    EXPECT_EQ(mesh(straight(4, true, true), food).size(),
              3 * (expected_triangles(4, HeadCount::Two) + 14));
}

TEST(SnakeMesh, GivenEmptySnakeOrFilledOutput_WhenBuilt_ThenAppendsOnlyItsOwnTriangles) {
    std::vector<FacetVertex> out(5);
    build_snake(Snake{}, 0, Puzzle{}, {}, out);
    EXPECT_EQ(out.size(), 5u);
    build_snake(straight(2), 0, Puzzle{}, {}, out);
    EXPECT_EQ(out.size(), 5 + 3 * expected_triangles(2, HeadCount::One));
}

// The angle of a body vertex round the axis of a straight snake along +x,
// undoing the flattening of the cross-section.
float ring_angle_of(const FacetVertex& v, float radius) {
    const Vec3 p = position(v);
    return std::atan2((p.z - 0.7f * radius) / 0.7f, -p.y);
}

TEST(SnakeMesh, GivenStraightSnake_WhenRingsBuilt_ThenEachRingIsTurnedHalfAStep) {
    const Snake s = straight(3);
    const std::vector<FacetVertex> v = mesh(s);
    const int n = 18;
    // The first triangle is (ring 2, k 0), (ring 3, k 0), (ring 2, k 1).
    const float r2 = radius_profile(2, n, HeadCount::One);
    const float r3 = radius_profile(3, n, HeadCount::One);
    EXPECT_NEAR(ring_angle_of(v[0], r2), 2 * kPi / 12, 1e-4f);
    EXPECT_NEAR(ring_angle_of(v[1], r3), 3 * kPi / 12, 1e-4f);
    EXPECT_NEAR(ring_angle_of(v[2], r2), 2 * kPi / 12 + kPi / 6, 1e-4f);
    // Neighbouring rings sit a sixth of a cell apart.
    EXPECT_NEAR(v[1].position[0] - v[0].position[0], 1.0f / 6, 2e-3f);
}

TEST(SnakeMesh, GivenSnakeAtRest_WhenBuilt_ThenItRestsOnTheFloor) {
    for (const Snake& s : {straight(5), snake_of({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}})}) {
        float lowest = 1e9f;
        for (const FacetVertex& v : mesh(s))
            lowest = std::min(lowest, v.position[2]);
        EXPECT_GT(lowest, -0.03f);
        EXPECT_LT(lowest, 0.01f);
    }
}

TEST(SnakeMesh, GivenLastCellsCoincide_WhenBuilt_ThenTheRepeatedCellDipsToMinusOne) {
    const std::vector<FacetVertex> v = mesh(snake_of({{1, 1}, {2, 1}, {3, 1}, {3, 1}}));
    float lowest = 1e9f;
    Vec3 at;
    for (const FacetVertex& vertex : v)
        if (vertex.position[2] < lowest) {
            lowest = vertex.position[2];
            at = position(vertex);
        }
    EXPECT_LT(lowest, -0.9f);
    EXPECT_GT(lowest, -1.5f);
    EXPECT_NEAR(at.x, 3, 0.5f);
    EXPECT_NEAR(at.y, 1, 0.5f);
}

TEST(SnakeMesh, GivenTheSameInput_WhenBuiltTwice_ThenBytesAreIdentical) {
    Puzzle puzzle;
    puzzle.items = {{ItemKind::Grow, {3, 3}}};
    puzzle.eaten_marks = {{{1, 1}, 2}};
    const Snake s = snake_of({{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 2}, {2, 3}});
    SnakeAnimation animation{true, -0.37f, {0, -1}, false, ItemKind::Grow};
    const std::vector<FacetVertex> a = mesh(s, puzzle, animation);
    const std::vector<FacetVertex> b = mesh(s, puzzle, animation);
    ASSERT_EQ(a.size(), b.size());
    EXPECT_EQ(std::memcmp(a.data(), b.data(), a.size() * sizeof(FacetVertex)), 0);
}

TEST(SnakeMesh, GivenAnySkinAndShape_WhenBuilt_ThenTrianglesFaceOutwards) {
    Puzzle puzzle;
    puzzle.name = "Reunion";
    puzzle.items = {{ItemKind::Grow, {3, 2}}};
    const Snake coiled =
        snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}, {0, 2}, {1, 2}, {2, 2}});
    for (std::size_t index = 0; index < 8; ++index)
        for (bool two_headed : {false, true}) {
            Snake s = coiled;
            s.two_headed = two_headed;
            const std::vector<FacetVertex> v = mesh(s, puzzle, {}, index);
            int inward = 0;
            for (std::size_t i = 0; i < v.size(); i += 3) {
                const Vec3 face =
                    cross(position(v[i + 1]) - position(v[i]), position(v[i + 2]) - position(v[i]));
                if (length(face) < 1e-7f)
                    continue;
                if (dot(face, normal(v[i]) + normal(v[i + 1]) + normal(v[i + 2])) <= 0)
                    ++inward;
            }
            // The segments meet at a slight angle at a corner, which folds a
            // few facets on the inside of the bend into the body; a wrong
            // winding turns whole rings, eyes or caps round.
            EXPECT_LT(inward * 40, static_cast<int>(v.size() / 3)) << "skin of index " << index;
        }
}

TEST(SnakeMesh, GivenGrowingStep_WhenUnderWay_ThenNoFlatCollarCrossesTheBody) {
    // A straight snake grew from four cells to five; the cell behind its head
    // unfolds out of one point, where several rings lie at the same place.
    // Rings of different radii there would make a flat collar: every ring
    // vertex at one place along the body must lie on the same cross-section.
    const Snake s = straight(5);
    for (float p : {-1.0f, -0.9f, -0.5f, -0.2f}) {
        const std::vector<FacetVertex> v =
            mesh(s, Puzzle{}, SnakeAnimation{true, p, {0, 0}, true, ItemKind::Grow});
        std::map<long, std::pair<float, float>> radii; // by place: smallest and largest
        for (const FacetVertex& vertex : v) {
            const Vec3 at = position(vertex);
            if (at.x < 0.5f || at.x > 2.6f || at.z < 0.02f)
                continue; // the tail tip and the head are not plain rings
            // The ring's radius from a point of its cross-section, flattened
            // to 0.7 and lifted by 0.7 r: y^2 + (z/0.7 - r)^2 = r^2.
            const float w = at.z / 0.7f;
            const float r = (at.y * at.y + w * w) / (2 * w);
            auto [it, fresh] = radii.try_emplace(std::lround(at.x * 1000), r, r);
            it->second = {std::min(it->second.first, r), std::max(it->second.second, r)};
        }
        for (const auto& [place, range] : radii)
            EXPECT_NEAR(range.first, range.second, 2e-3f)
                << "progress " << p << " at x " << place / 1000.0f;
    }
}

void expect_finite(const std::vector<FacetVertex>& v, const std::string& what) {
    int bad = 0;
    for (const FacetVertex& vertex : v) {
        for (float f : vertex.position)
            bad += !std::isfinite(f) || std::fabs(f) > 300;
        for (float f : vertex.normal)
            bad += !std::isfinite(f);
        bad += length(normal(vertex)) < 0.5f;
    }
    EXPECT_EQ(bad, 0) << what;
}

TEST(SnakeMesh, GivenEveryShapeTheGameMakes_WhenAnimatedThroughASweep_ThenNoValueIsBroken) {
    const std::vector<Snake> shapes = {
        straight(1),
        straight(2),
        straight(2, false),
        snake_of({{0, 0}, {1, 0}, {1, 1}, {0, 1}}), // U-turn
        snake_of({{1, 1}, {2, 1}, {3, 1}, {3, 1}}), // entering the exit
        snake_of({{3, 1}, {3, 1}, {3, 1}}, false),  // wholly in the exit
        snake_of({{2, 0}, {2, 1}, {3, 1}, {3, 1}, {3, 1}}, true, true),
        snake_of({{126, 0}, {127, 0}}), // at the byte edge
        snake_of({{0, 0},
                  {1, 0},
                  {2, 0},
                  {2, 1},
                  {1, 1},
                  {0, 1},
                  {0, 2},
                  {1, 2},
                  {2, 2},
                  {3, 2},
                  {4, 2},
                  {4, 1},
                  {4, 0},
                  {5, 0}},
                 false, true),
    };
    Puzzle puzzle;
    puzzle.items = {{ItemKind::Grow, {2, 0}}, {ItemKind::Shrink, {0, 1}}};
    puzzle.eaten_marks = {{{1, 1}, 3}, {{3, 1}, 10}};
    for (std::size_t shape = 0; shape < shapes.size(); ++shape)
        for (int step = -8; step <= 8; ++step)
            for (bool grow : {false, true})
                for (Pos trailing : {Pos{-1, 0}, Pos{9, 9}}) {
                    const SnakeAnimation animation{true, static_cast<float>(step) / 8, trailing,
                                                   grow, ItemKind::Grow};
                    for (std::size_t index : {std::size_t{0}, kVanishingSnakeIndex})
                        expect_finite(mesh(shapes[shape], puzzle, animation, index),
                                      "shape " + std::to_string(shape) + " step " +
                                          std::to_string(step) + (grow ? " growing" : ""));
                }
}

TEST(SnakeMesh, GivenEverySkin_WhenBuilt_ThenEachHasItsOwnColours) {
    std::vector<std::vector<FacetVertex>> meshes;
    for (std::uint8_t skin = 0; skin < 8; ++skin) {
        meshes.emplace_back();
        build_snake_with_skin(straight(6), skin, Puzzle{}, {}, meshes.back());
        expect_finite(meshes.back(), "skin " + std::to_string(skin));
    }
    for (int a = 0; a < 7; ++a)
        for (int b = a + 1; b < 7; ++b) {
            bool differ = false;
            for (std::size_t i = 0; i < std::min(meshes[a].size(), meshes[b].size()); ++i)
                differ |= !(meshes[a][i].color == meshes[b][i].color);
            EXPECT_TRUE(differ) << a << " and " << b;
        }
}

} // namespace
} // namespace coilwend
