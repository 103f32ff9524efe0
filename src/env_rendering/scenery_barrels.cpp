// Setting 3: a pair of yellow drums, one upright and one leaning against it
// (tipped by 0.3 radians and resting on its rim), with dark hoops, lids and
// bungs.

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Rgb kPaint{229, 173, 1};
constexpr Rgb kIron{25, 25, 25};
constexpr int kBody = 15;
constexpr int kDetail = 18;
constexpr float kTilt = 0.3f;

// One drum in its own frame, standing on w = 0.
void add_drum(std::vector<MeshVertex>& mesh, const Frame& frame, float radius, float height,
              float turn, CylinderCaps caps) {
    add_flat_cylinder(mesh, frame, radius, 0, height, kBody, turn, kPaint, caps);
    // Two rolling hoops around the body, a little proud of it.
    for (const float at : {0.33f, 0.66f}) {
        const float h = at * height;
        add_flat_cylinder(mesh, frame, radius * 1.07f, h - 0.015f, h + 0.015f, kDetail, turn, kIron,
                          CylinderCaps::None);
        add_flat_ring(mesh, frame, radius * 0.96f, radius * 1.07f, h + 0.015f, kDetail, kIron);
    }
    // The lid's raised edge and a bung towards one side.
    add_flat_ring(mesh, frame, radius * 0.78f, radius * 0.9f, height + 0.004f, kDetail, kIron);
    Frame bung = frame;
    bung.origin = frame.at(0.5f * radius * std::cos(turn), 0.5f * radius * std::sin(turn), height);
    add_flat_cylinder(mesh, bung, 0.035f, 0, 0.018f, kDetail, 0, kIron, CylinderCaps::Top);
}

} // namespace

void add_barrels(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh) {
    const float angle = random.next() * 2 * kPi;
    const Vec3 toward{std::cos(angle), std::sin(angle), 0};

    // The upright drum, off-centre against the direction of the pair.
    const float radius = 0.2f, height = 0.58f;
    const Vec3 upright = centre - toward * 0.2f;
    Frame standing;
    standing.origin = upright;
    add_drum(mesh, standing, radius, height, random.next() * 2 * kPi, CylinderCaps::Top);

    // The leaning drum tips towards the upright one. Its frame's w is tilted
    // by kTilt; lifting its origin by r·sin(kTilt) puts the lowest point of
    // the rim, on the side it leans to, on the floor.
    const float small = 0.17f, short_height = 0.45f;
    const Vec3 lean = toward * -1.0f;
    const Vec3 axis = lean * std::sin(kTilt) + Vec3{0, 0, std::cos(kTilt)};
    // Its top edge on the leaning side touches the upright drum's side.
    const float reach = short_height * std::sin(kTilt) + small * std::cos(kTilt);
    const Vec3 foot = upright + toward * (radius + reach) + Vec3{0, 0, small * std::sin(kTilt)};
    add_drum(mesh, frame_along(foot, axis), small, short_height, random.next() * 2 * kPi,
             CylinderCaps::Both);
}

} // namespace coilwend
