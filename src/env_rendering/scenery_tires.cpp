// Settings 4 and above: a stack of old tires, each a little off the one below.

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

#include <algorithm>
#include <numbers>

namespace coilwend {
namespace {

constexpr int kSegments = 32;
constexpr float kSeam = std::numbers::pi_v<float> / 2; // texture turns away from the camera
constexpr float kTireHeight = 0.14f;

const PatternStyle kTread{8, {20, 20, 20}, {10, 10, 10}};
const PatternStyle kSidewall{8, {15, 15, 15}, {10, 10, 10}};
const PatternStyle kInside{8, {10, 10, 10}, {15, 15, 15}};
// Forty tread grooves around (the pattern repeats every 0.25 in t).
constexpr RevolvedUv kTreadUv{AroundCoordinate::T, 5};
// On the sidewalls the bands run around as rings.
constexpr RevolvedUv kWallUv{AroundCoordinate::S, 5};

// The cross-section of one tire, traced up its outside, over the top and
// down the hole; the bottom face rests on the tire below and is never seen.
void add_tire(std::vector<PatternVertex>& out, Vec3 base) {
    const float h = kTireHeight;
    const ProfilePoint shoulder_low{0.355f, 0.004f, 0.6f, -0.8f, 0};
    const ProfilePoint tread_low{0.38f, 0.03f, 1, 0, 0.1f};
    const ProfilePoint tread_high{0.38f, h - 0.03f, 1, 0, 0.9f};
    const ProfilePoint shoulder_high{0.355f, h, 0.6f, 0.8f, 1};
    const ProfilePoint wall_mid{0.29f, h, 0.1f, 1, 1.25f};
    const ProfilePoint lip{0.225f, h - 0.01f, -0.4f, 1, 1.5f};
    const ProfilePoint hole_top{0.2f, h - 0.035f, -1, 0.3f, 1.6f};
    const ProfilePoint hole_bottom{0.2f, 0.01f, -1, 0, 2};

    add_revolved_band(out, base, shoulder_low, tread_low, kSegments, kSeam, kTread, kTreadUv);
    add_revolved_band(out, base, tread_low, tread_high, kSegments, kSeam, kTread, kTreadUv);
    add_revolved_band(out, base, tread_high, shoulder_high, kSegments, kSeam, kTread, kTreadUv);
    add_revolved_band(out, base, shoulder_high, wall_mid, kSegments, kSeam, kSidewall, kWallUv);
    add_revolved_band(out, base, wall_mid, lip, kSegments, kSeam, kSidewall, kWallUv);
    add_revolved_band(out, base, lip, hole_top, kSegments, kSeam, kInside, kWallUv);
    add_revolved_band(out, base, hole_top, hole_bottom, kSegments, kSeam, kInside, kWallUv);
}

} // namespace

void add_tire_stack(CellRandom& random, Vec3 centre, std::vector<PatternVertex>& pattern) {
    // Two to five tires: the first random value, scaled by 4, picks how many
    // lie on the bottom one.
    const int count = 2 + std::min(3, int(random.next() * 4));
    for (int i = 0; i < count; ++i) {
        const float dx = random.jitter(0.05f);
        const float dy = random.jitter(0.05f);
        add_tire(pattern, centre + Vec3{dx, dy, float(i) * kTireHeight});
    }
}

} // namespace coilwend
