#pragma once
// Checks shared by the scenery and board geometry tests: reading vertices
// back as points, and casting rays along the board camera's view to find the
// triangle a viewer sees first.

#include "game/matrix.hpp"
#include "graphics/vertex_formats.hpp"

#include <cmath>
#include <optional>
#include <vector>

namespace coilwend::testing {

template <typename VertexT> Vec3 position_of(const VertexT& v) {
    return {v.position[0], v.position[1], v.position[2]};
}
template <typename VertexT> Vec3 normal_of(const VertexT& v) {
    return {v.normal[0], v.normal[1], v.normal[2]};
}

struct Triangle {
    Vec3 a, b, c;
    Vec3 face() const { return cross(b - a, c - a); }
};

template <typename VertexT>
std::vector<Triangle> triangles_of(const std::vector<VertexT>& vertices) {
    std::vector<Triangle> out;
    for (std::size_t i = 0; i + 2 < vertices.size(); i += 3)
        out.push_back(
            {position_of(vertices[i]), position_of(vertices[i + 1]), position_of(vertices[i + 2])});
    return out;
}

// The board camera looks along +y and down, tilted 0.2 radians from vertical.
inline Vec3 camera_view_direction() {
    return {0, std::sin(0.2f), -std::cos(0.2f)};
}

// Distance along the ray to the triangle, if the ray meets it.
inline std::optional<float> ray_hit(Vec3 origin, Vec3 direction, const Triangle& t) {
    const Vec3 e1 = t.b - t.a, e2 = t.c - t.a;
    const Vec3 p = cross(direction, e2);
    const float det = dot(e1, p);
    if (std::fabs(det) < 1e-9f)
        return std::nullopt;
    const Vec3 s = origin - t.a;
    const float u = dot(s, p) / det;
    if (u < 0 || u > 1)
        return std::nullopt;
    const Vec3 q = cross(s, e1);
    const float v = dot(direction, q) / det;
    if (v < 0 || u + v > 1)
        return std::nullopt;
    const float distance = dot(e2, q) / det;
    if (distance <= 0)
        return std::nullopt;
    return distance;
}

// The triangle seen first along a ray, if any.
inline const Triangle* first_hit(const std::vector<Triangle>& triangles, Vec3 origin,
                                 Vec3 direction) {
    const Triangle* best = nullptr;
    float best_distance = 1e30f;
    for (const Triangle& t : triangles)
        if (const auto d = ray_hit(origin, direction, t); d && *d < best_distance) {
            best_distance = *d;
            best = &t;
        }
    return best;
}

// Counts rays through a grid over the square around centre whose first hit
// faces away from the viewer, so back-face culling would let the viewer see
// inside the piece.
inline int back_faces_seen(const std::vector<Triangle>& triangles, Vec3 centre, float half,
                           Vec3 direction, int steps = 24) {
    int wrong = 0;
    for (int i = 0; i < steps; ++i)
        for (int j = 0; j < steps; ++j) {
            // Slightly off the regular grid so rays do not graze shared edges.
            const float x = centre.x - half + (float(i) + 0.37f) * 2 * half / float(steps);
            const float y = centre.y - half + (float(j) + 0.61f) * 2 * half / float(steps);
            const Vec3 target{x, y, 0};
            const Vec3 origin = target - direction * 10.0f;
            if (const Triangle* t = first_hit(triangles, origin, direction))
                if (dot(t->face(), direction) > 0)
                    ++wrong;
        }
    return wrong;
}

} // namespace coilwend::testing
