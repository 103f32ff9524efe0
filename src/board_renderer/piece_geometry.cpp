#include "board_renderer/piece_geometry.hpp"

#include "env_rendering/mesh_builders.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kTau = 2 * std::numbers::pi_v<float>;
constexpr Rgb kGrowColour{214, 214, 214};
constexpr Rgb kShrinkColour{56, 56, 56};
constexpr Rgb kTargetColour{208, 22, 22};
constexpr float kTargetRadius = 0.3f;
constexpr float kRaisedHeight = 0.2f;
constexpr float kFlatHeight = 0.001f;

MeshVertex vertex(Vec3 p, Vec3 n, Rgb colour) {
    return MeshVertex{{p.x, p.y, p.z}, {n.x, n.y, n.z}, colour};
}

bool occupied_by(const Snake& snake, Pos cell) {
    return std::find(snake.cells.begin(), snake.cells.end(), cell) != snake.cells.end();
}

bool hidden_by_bump(const BoardAnimation& animation, Pos cell) {
    return animation.kind == MoveEventKind::Bump &&
           std::find(animation.cells.begin(), animation.cells.end(), cell) != animation.cells.end();
}

} // namespace

float teardrop_fraction(float o) {
    if (o < 0.6f)
        return 0.6f * (o / 0.6f) * (o / 0.6f);
    const float u = (o - 0.6f) / 0.4f;
    return 0.6f + 0.4f * u * (2 - u);
}

float teardrop_radius(float t) {
    // Rounding may leave the inner term a hair below zero at t = 1.
    const float inner = std::max(0.0f, 0.4f - 2 * t + std::sqrt(2.4f * t + 0.16f));
    return std::sqrt(std::max(0.0f, t)) * std::sqrt(inner) / std::sqrt(2.0f);
}

void add_item(std::vector<MeshVertex>& out, const Item& item) {
    const Rgb colour = item.kind == ItemKind::Grow ? kGrowColour : kShrinkColour;
    const float x = item.pos.x, y = item.pos.y;

    // Grid point at latitude L of longitude i. On even longitudes the inner
    // latitudes are pushed away from the middle, zig-zagging the seams.
    auto point = [&](int latitude, int longitude, Vec3& normal) {
        float o = float(latitude) / kItemLatitudes;
        if (longitude % 2 == 0) {
            if (o > 0 && o < 0.5f)
                o -= 0.05f;
            else if (o > 0.5f && o < 1)
                o += 0.05f;
        }
        const float t = teardrop_fraction(o);
        const float rho = teardrop_radius(t);
        const float phi = float(longitude) / kItemLongitudes * kTau;
        normal = {0.8f * t, 0.8f * rho * std::sin(phi), 0.8f * rho * std::cos(phi)};
        return Vec3{x - 0.4f + 0.8f * t, y + normal.y, 0.4f + normal.z};
    };

    for (int latitude = 0; latitude < kItemLatitudes; ++latitude)
        for (int longitude = 0; longitude < kItemLongitudes; ++longitude) {
            Vec3 n00, n10, n01, n11;
            const Vec3 p00 = point(latitude, longitude, n00);
            const Vec3 p10 = point(latitude + 1, longitude, n10);
            const Vec3 p01 = point(latitude, longitude + 1, n01);
            const Vec3 p11 = point(latitude + 1, longitude + 1, n11);
            // Along the axis, then around it: counter-clockwise from outside.
            out.insert(out.end(), {vertex(p00, n00, colour), vertex(p10, n10, colour),
                                   vertex(p01, n01, colour), vertex(p10, n10, colour),
                                   vertex(p11, n11, colour), vertex(p01, n01, colour)});
        }
}

float target_cover(const Puzzle& puzzle, const BoardAnimation& animation, Pos target) {
    if (item_at(puzzle, target))
        return 1;
    const bool stepping = animation.kind == MoveEventKind::Step;
    const float p = animation.progress;
    for (std::size_t i = 0; i < puzzle.snakes.size(); ++i) {
        const Snake& snake = puzzle.snakes[i];
        if (!occupied_by(snake, target))
            continue;
        if (!is_step_of(animation, i) || target == animation.trailing)
            return 1;
        // The snake is stepping onto this target with one of its ends.
        if (target == snake.cells.back() && p < 0)
            return p + 1;
        if (target == snake.cells.front())
            return p > 0 ? 1 - p : 1;
        return 1;
    }
    // Nobody stands here: the cell a step just gave up is still being left.
    return stepping && target == animation.trailing ? std::fabs(p) : 0;
}

void add_target(std::vector<MeshVertex>& out, Pos target, float cover) {
    const bool raised = cover <= 0.5f;
    const float z = raised ? kRaisedHeight : kFlatHeight;
    const Vec3 centre{float(target.x), float(target.y), z};
    const Vec3 up{0, 0, 1};
    for (int k = 0; k < kTargetSegments; ++k) {
        const float a0 = float(k) / kTargetSegments * kTau;
        const float a1 = float(k + 1) / kTargetSegments * kTau;
        const Vec3 d0{std::cos(a0), std::sin(a0), 0}, d1{std::cos(a1), std::sin(a1), 0};
        const Vec3 r0 = centre + d0 * kTargetRadius, r1 = centre + d1 * kTargetRadius;
        out.insert(out.end(), {vertex(centre, up, kTargetColour), vertex(r0, up, kTargetColour),
                               vertex(r1, up, kTargetColour)});
        if (raised) {
            // The rim band down to the floor, shaded by its outward normals.
            const Vec3 b0{r0.x, r0.y, 0}, b1{r1.x, r1.y, 0};
            out.insert(out.end(), {vertex(b0, d0, kTargetColour), vertex(b1, d1, kTargetColour),
                                   vertex(r1, d1, kTargetColour), vertex(b0, d0, kTargetColour),
                                   vertex(r1, d1, kTargetColour), vertex(r0, d0, kTargetColour)});
        }
    }
}

void build_piece_geometry(const Puzzle& puzzle, const BoardAnimation& animation,
                          std::vector<MeshVertex>& out) {
    out.clear();
    for (const Item& item : puzzle.items)
        if (!hidden_by_bump(animation, item.pos))
            add_item(out, item);
    for (const Pos target : puzzle.targets)
        add_target(out, target, target_cover(puzzle, animation, target));
}

} // namespace coilwend
