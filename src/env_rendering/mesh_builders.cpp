#include "env_rendering/mesh_builders.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kTau = 2 * std::numbers::pi_v<float>;

MeshVertex mesh_vertex(Vec3 p, Vec3 n, Rgb colour) {
    return MeshVertex{{p.x, p.y, p.z}, {n.x, n.y, n.z}, colour};
}

PatternVertex pattern_vertex(const PatternPoint& p, const PatternStyle& style) {
    PatternVertex v{};
    v.position[0] = p.position.x;
    v.position[1] = p.position.y;
    v.position[2] = p.position.z;
    v.normal[0] = p.normal.x;
    v.normal[1] = p.normal.y;
    v.normal[2] = p.normal.z;
    v.color1 = style.color1;
    v.color2 = style.color2;
    v.uv[0] = p.s;
    v.uv[1] = p.t;
    v.pattern = style.pattern;
    return v;
}

// Point on a circle of the frame's uv plane.
Vec3 rim(const Frame& frame, float radius, float angle, float height) {
    return frame.at(radius * std::cos(angle), radius * std::sin(angle), height);
}

} // namespace

void add_triangle(std::vector<MeshVertex>& mesh, Vec3 p0, Vec3 p1, Vec3 p2, Rgb colour0,
                  Rgb colour1, Rgb colour2) {
    const Vec3 n = normalize(cross(p1 - p0, p2 - p0));
    mesh.push_back(mesh_vertex(p0, n, colour0));
    mesh.push_back(mesh_vertex(p1, n, colour1));
    mesh.push_back(mesh_vertex(p2, n, colour2));
}

void add_floor_tile(std::vector<MeshVertex>& mesh, Pos cell, Rgb colour) {
    const float x = cell.x, y = cell.y;
    const Vec3 up{0, 0, 1};
    const Vec3 corners[6] = {{x - 0.5f, y - 0.5f, 0}, {x + 0.5f, y - 0.5f, 0},
                             {x + 0.5f, y + 0.5f, 0}, {x - 0.5f, y - 0.5f, 0},
                             {x + 0.5f, y + 0.5f, 0}, {x - 0.5f, y + 0.5f, 0}};
    for (const Vec3& corner : corners)
        mesh.push_back(mesh_vertex(corner, up, colour));
}

Frame frame_along(Vec3 origin, Vec3 axis) {
    Frame frame;
    frame.origin = origin;
    frame.w = normalize(axis);
    // Any vector not parallel to w seeds the frame; x unless w is nearly x.
    const Vec3 seed = std::fabs(frame.w.x) < 0.9f ? Vec3{1, 0, 0} : Vec3{0, 1, 0};
    frame.v = normalize(cross(frame.w, seed));
    frame.u = cross(frame.v, frame.w);
    return frame;
}

void add_flat_cylinder(std::vector<MeshVertex>& mesh, const Frame& frame, float radius,
                       float bottom, float top, int segments, float start, Rgb colour,
                       CylinderCaps caps) {
    for (int k = 0; k < segments; ++k) {
        const float a0 = start + kTau * float(k) / float(segments);
        const float a1 = start + kTau * float(k + 1) / float(segments);
        const Vec3 b0 = rim(frame, radius, a0, bottom), b1 = rim(frame, radius, a1, bottom);
        const Vec3 t0 = rim(frame, radius, a0, top), t1 = rim(frame, radius, a1, top);
        add_triangle(mesh, b0, b1, t1, colour, colour, colour);
        add_triangle(mesh, b0, t1, t0, colour, colour, colour);
        if (caps != CylinderCaps::None)
            add_triangle(mesh, frame.at(0, 0, top), t0, t1, colour, colour, colour);
        if (caps == CylinderCaps::Both)
            add_triangle(mesh, frame.at(0, 0, bottom), b1, b0, colour, colour, colour);
    }
}

void add_flat_ring(std::vector<MeshVertex>& mesh, const Frame& frame, float inner, float outer,
                   float height, int segments, Rgb colour) {
    for (int k = 0; k < segments; ++k) {
        const float a0 = kTau * float(k) / float(segments);
        const float a1 = kTau * float(k + 1) / float(segments);
        const Vec3 o0 = rim(frame, outer, a0, height), o1 = rim(frame, outer, a1, height);
        const Vec3 i0 = rim(frame, inner, a0, height), i1 = rim(frame, inner, a1, height);
        add_triangle(mesh, o0, o1, i1, colour, colour, colour);
        add_triangle(mesh, o0, i1, i0, colour, colour, colour);
    }
}

void add_revolved_band(std::vector<PatternVertex>& out, Vec3 centre, ProfilePoint a, ProfilePoint b,
                       int segments, float start, const PatternStyle& style, RevolvedUv uv) {
    // Both rings are worked out once, vertex by vertex, then stitched: a
    // board of tire stacks sweeps a few hundred bands per rebuild.
    constexpr int kMaxSegments = 64;
    segments = std::clamp(segments, 1, kMaxSegments);
    std::array<PatternVertex, kMaxSegments + 1> ring_a, ring_b;
    auto sweep = [&](const ProfilePoint& p, std::array<PatternVertex, kMaxSegments + 1>& ring) {
        // The normal's length does not depend on the angle.
        const float scale =
            1 / std::sqrt(p.normal_radial * p.normal_radial + p.normal_up * p.normal_up);
        for (int k = 0; k <= segments; ++k) {
            const float fraction = float(k) / float(segments);
            const float angle = start + kTau * fraction;
            const float c = std::cos(angle), s = std::sin(angle);
            PatternPoint point;
            point.position = centre + Vec3{p.radius * c, p.radius * s, p.z};
            point.normal = Vec3{p.normal_radial * c, p.normal_radial * s, p.normal_up} * scale;
            const float around = (1 - std::fabs(2 * fraction - 1)) * uv.around_scale;
            point.s = uv.around == AroundCoordinate::S ? around : p.along;
            point.t = uv.around == AroundCoordinate::S ? p.along : around;
            ring[k] = pattern_vertex(point, style);
        }
    };
    sweep(a, ring_a);
    sweep(b, ring_b);
    for (int k = 0; k < segments; ++k)
        out.insert(out.end(),
                   {ring_a[k], ring_a[k + 1], ring_b[k + 1], ring_a[k], ring_b[k + 1], ring_b[k]});
}

void add_pattern_triangle(std::vector<PatternVertex>& out, const PatternPoint& a,
                          const PatternPoint& b, const PatternPoint& c, const PatternStyle& style) {
    out.push_back(pattern_vertex(a, style));
    out.push_back(pattern_vertex(b, style));
    out.push_back(pattern_vertex(c, style));
}

} // namespace coilwend
