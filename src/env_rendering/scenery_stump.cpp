// Setting 1: a sawn-off tree stump with a flared foot, bark on its sides,
// growth rings on the cut and a few roots spreading over the floor.

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr int kSegments = 32;
constexpr float kPi = std::numbers::pi_v<float>;
// Where the bark texture turns back, away from the camera towards +y.
constexpr float kSeam = kPi / 2;

const PatternStyle kBark{5, {87, 42, 27}, {76, 35, 22}};
const PatternStyle kRings{6, {156, 105, 49}, {139, 92, 41}};
constexpr Rgb kRoot{87, 42, 27};

// Bark plates: about seven around, each some 0.3 tall (the pattern squeezes
// its cells threefold along t).
constexpr RevolvedUv kBarkUv{AroundCoordinate::S, 3.5f};
constexpr float kBarkPerHeight = 11;
// Rings every 0.2 in t: one per 0.055 of radius.
constexpr RevolvedUv kRingUv{AroundCoordinate::S, 10};
constexpr float kRingsPerRadius = 3.7f;

void add_root(std::vector<MeshVertex>& mesh, Vec3 centre, float angle, float start, float length,
              float half_width, float height) {
    const Vec3 out{std::cos(angle), std::sin(angle), 0};
    const Vec3 side{-out.y, out.x, 0};
    const Vec3 left = centre + out * start + side * half_width;
    const Vec3 right = centre + out * start - side * half_width;
    const Vec3 ridge = centre + out * start + Vec3{0, 0, height};
    const Vec3 tip = centre + out * length;
    add_triangle(mesh, left, ridge, tip, kRoot, kRoot, kRoot);
    add_triangle(mesh, right, tip, ridge, kRoot, kRoot, kRoot);
}

} // namespace

void add_stump(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh,
               std::vector<PatternVertex>& pattern) {
    const float radius = random.between(0.24f, 0.28f);
    const float height = random.between(0.3f, 0.5f);
    const Vec3 base = centre + Vec3{random.jitter(0.04f), random.jitter(0.04f), 0};
    const float foot = radius * 1.2f;

    // Sides, from the flared foot up to the rim; normals lean out at the foot.
    const ProfilePoint foot_point{foot, 0, 0.8f, 0.6f, 0};
    const ProfilePoint waist{radius * 1.03f, 0.3f * height, 0.97f, 0.24f,
                             0.3f * height * kBarkPerHeight};
    const ProfilePoint rim{radius, height, 1, 0, height * kBarkPerHeight};
    add_revolved_band(pattern, base, foot_point, waist, kSegments, kSeam, kBark, kBarkUv);
    add_revolved_band(pattern, base, waist, rim, kSegments, kSeam, kBark, kBarkUv);

    // The bark's edge around the cut, then the cut itself in rings of wood,
    // swept inwards from the edge to the heart.
    const float cut = radius * 0.9f;
    const ProfilePoint rim_top{radius, height, 0, 1, 0};
    const ProfilePoint cut_edge{cut, height, 0, 1, 0.1f};
    add_revolved_band(pattern, base, rim_top, cut_edge, kSegments, kSeam, kBark, kBarkUv);
    const int kRingBands = 4;
    for (int band = 0; band < kRingBands; ++band) {
        const float r0 = cut * float(kRingBands - band) / kRingBands;
        const float r1 = cut * float(kRingBands - band - 1) / kRingBands;
        add_revolved_band(pattern, base, {r0, height, 0, 1, r0 * kRingsPerRadius},
                          {r1, height, 0, 1, r1 * kRingsPerRadius}, kSegments, kSeam, kRings,
                          kRingUv);
    }

    // Three or four roots, spread evenly with a little wobble, reaching no
    // further than 0.48 from the cell centre.
    const int roots = 3 + int(random.next() * 2);
    const float turn = random.next() * 2 * kPi;
    for (int i = 0; i < roots; ++i) {
        const float angle = turn + 2 * kPi * float(i) / float(roots) + random.jitter(0.3f);
        const float length = random.between(0.38f, 0.44f);
        add_root(mesh, base, angle, foot * 0.7f, length, random.between(0.09f, 0.12f),
                 random.between(0.14f, 0.2f));
    }
}

} // namespace coilwend
