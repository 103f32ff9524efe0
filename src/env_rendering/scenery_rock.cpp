// Setting 0: a squat block of rock filling the cell, sixteen flat faces.

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

namespace coilwend {

void add_rock(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh) {
    constexpr Rgb kRock{192, 58, 10};
    // The footprint is an octagon: a square of half-size 0.45 with its corners
    // cut back to 0.35, listed counter-clockwise from the right side.
    constexpr float kFoot[8][2] = {{0.45f, -0.35f},  {0.45f, 0.35f},  {0.35f, 0.45f},
                                   {-0.35f, 0.45f},  {-0.45f, 0.35f}, {-0.45f, -0.35f},
                                   {-0.35f, -0.45f}, {0.35f, -0.45f}};
    // The top is a smaller square above the octagon's four long sides.
    constexpr float kTop[4][2] = {
        {0.35f, -0.35f}, {0.35f, 0.35f}, {-0.35f, 0.35f}, {-0.35f, -0.35f}};

    Vec3 foot[8];
    for (int i = 0; i < 8; ++i) {
        const float dx = random.jitter(0.02f);
        const float dy = random.jitter(0.02f);
        foot[i] = centre + Vec3{kFoot[i][0] + dx, kFoot[i][1] + dy, 0};
    }
    Vec3 top[4];
    Vec3 summit{};
    for (int i = 0; i < 4; ++i) {
        const float dx = random.jitter(0.08f);
        const float dy = random.jitter(0.08f);
        const float height = 0.85f + random.jitter(0.05f);
        top[i] = centre + Vec3{kTop[i][0] + dx, kTop[i][1] + dy, height};
        summit = summit + top[i] * 0.25f;
    }
    // A slight crown so the top catches the light in four facets.
    summit.z += 0.04f;

    for (int side = 0; side < 4; ++side) {
        const Vec3 a = foot[2 * side], b = foot[2 * side + 1], c = foot[(2 * side + 2) % 8];
        const Vec3 upper0 = top[side], upper1 = top[(side + 1) % 4];
        add_triangle(mesh, a, b, upper1, kRock, kRock, kRock);
        add_triangle(mesh, a, upper1, upper0, kRock, kRock, kRock);
        // The cut corner of the footprint rises to the top corner above it.
        add_triangle(mesh, b, c, upper1, kRock, kRock, kRock);
        add_triangle(mesh, summit, upper0, upper1, kRock, kRock, kRock);
    }
}

} // namespace coilwend
