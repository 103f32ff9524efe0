// Setting 2: a clump of reeds, thin three-sided blades fanning out from the
// middle of the cell, some of them carrying a cattail.

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kPi = std::numbers::pi_v<float>;
constexpr Rgb kDark{64, 99, 27};
constexpr Rgb kLight{154, 200, 22};
constexpr Rgb kCattail{104, 64, 33};
constexpr int kBlades = 14;
constexpr int kCattails = 3;
// Tips stay this far inside the cell's edge.
constexpr float kReach = 0.46f;

// A blade: a narrow three-sided spike from a small triangle on the floor to
// a tip. Each face is darker at one foot corner.
void add_blade(std::vector<MeshVertex>& mesh, const Vec3 (&foot)[3], Vec3 tip) {
    for (int i = 0; i < 3; ++i)
        add_triangle(mesh, foot[i], foot[(i + 1) % 3], tip, kDark, kLight, kLight);
}

} // namespace

void add_reeds(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh) {
    const float turn = random.next() * 2 * kPi;
    for (int i = 0; i < kBlades; ++i) {
        // Feet spread around the clump's middle; each blade leans outwards
        // from it, so seen from above the clump opens like a star.
        const float angle = turn + 2 * kPi * float(i) / kBlades + random.jitter(0.25f);
        const float spread = random.between(0.03f, 0.2f);
        const Vec3 out{std::cos(angle), std::sin(angle), 0};
        const Vec3 base = centre + out * spread;
        const bool cattail = i < kCattails;
        const float height = cattail ? random.between(0.75f, 0.95f) : random.between(0.4f, 0.8f);
        const float lean = random.between(0.08f, 0.24f);
        Vec3 tip = base + out * lean + Vec3{0, 0, height};
        tip.x = std::clamp(tip.x, centre.x - kReach, centre.x + kReach);
        tip.y = std::clamp(tip.y, centre.y - kReach, centre.y + kReach);

        const float width = cattail ? 0.025f : random.between(0.035f, 0.05f);
        const float twist = random.next() * 2 * kPi;
        Vec3 foot[3];
        for (int k = 0; k < 3; ++k) {
            const float a = twist + 2 * kPi * float(k) / 3;
            foot[k] = base + Vec3{width * std::cos(a), width * std::sin(a), 0};
        }
        add_blade(mesh, foot, tip);

        if (cattail) {
            // The brown spike sits on the stalk a little below its tip.
            const Vec3 axis = tip - base;
            const float len = length(axis);
            const Frame frame = frame_along(base, axis);
            add_flat_cylinder(mesh, frame, 0.04f, 0.62f * len, 0.84f * len, 8, twist, kCattail,
                              CylinderCaps::Both);
        }
    }
}

} // namespace coilwend
