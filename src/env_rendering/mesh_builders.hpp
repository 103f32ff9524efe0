#pragma once
// Appending triangles to the scenery vectors: the two public primitives of
// the environment builder (flat triangles and floor tiles) and the shapes the
// wall scenery is made of (flat-shaded cylinders, patterned surfaces of
// revolution).

#include "game/geometry.hpp"
#include "game/matrix.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstdint>
#include <vector>

namespace coilwend {

// One flat-shaded triangle: the face normal of the winding p0, p1, p2 on all
// three vertices, each vertex with its own colour. Counter-clockwise seen from
// the front.
void add_triangle(std::vector<MeshVertex>& mesh, Vec3 p0, Vec3 p1, Vec3 p2, Rgb colour0,
                  Rgb colour1, Rgb colour2);

// The unit square at z = 0 centred on the cell, two triangles facing up.
void add_floor_tile(std::vector<MeshVertex>& mesh, Pos cell, Rgb colour);

// The centre of a cell on the floor.
inline Vec3 cell_centre(Pos cell) {
    return {float(cell.x), float(cell.y), 0};
}

// A right-handed orthonormal frame: u x v = w, w along a piece's axis.
struct Frame {
    Vec3 origin;
    Vec3 u{1, 0, 0};
    Vec3 v{0, 1, 0};
    Vec3 w{0, 0, 1};
    Vec3 at(float a, float b, float c) const { return origin + u * a + v * b + w * c; }
};

// A frame at origin whose w is the given (non-zero) axis.
Frame frame_along(Vec3 origin, Vec3 axis);

// Which ends of a cylinder are closed.
enum class CylinderCaps : std::uint8_t { None, Top, Both };

// A flat-shaded cylinder around the frame's w axis from w = bottom to w = top,
// each side face a quad of two triangles, the first segment starting at angle
// start (radians from u towards v).
void add_flat_cylinder(std::vector<MeshVertex>& mesh, const Frame& frame, float radius,
                       float bottom, float top, int segments, float start, Rgb colour,
                       CylinderCaps caps);

// A flat ring (annulus) in the frame's uv plane at height w = height, facing +w.
void add_flat_ring(std::vector<MeshVertex>& mesh, const Frame& frame, float inner, float outer,
                   float height, int segments, Rgb colour);

// Patterned surfaces: the pattern number and its two colours.
struct PatternStyle {
    std::int8_t pattern = 0;
    Rgb color1;
    Rgb color2;
};

// A point of a profile swept around a vertical axis: its distance from the
// axis, its height, the normal in the (radial, up) plane and its texture
// coordinate along the profile.
struct ProfilePoint {
    float radius = 0;
    float z = 0;
    float normal_radial = 0;
    float normal_up = 1;
    float along = 0;
};

// Which texture coordinate runs around the axis; the other runs along the
// profile.
enum class AroundCoordinate : std::uint8_t { S, T };

// The coordinate around runs from 0 up to around_scale over the first half
// turn and back down over the second, so the procedural patterns meet
// without a seam.
struct RevolvedUv {
    AroundCoordinate around = AroundCoordinate::S;
    float around_scale = 1; // texture units for half a turn
};

// The band between two profile points swept around the vertical axis through
// centre, smoothly shaded. Drawn in the (radial, up) plane with the radial
// axis to the right, the outside lies on the right of the profile's
// direction: a profile running up the outside of a body, inwards over its top
// and down its hole faces outwards everywhere.
// The first segment starts at angle start; segments must be even so the
// texture's turning point falls on a vertex.
void add_revolved_band(std::vector<PatternVertex>& out, Vec3 centre, ProfilePoint a, ProfilePoint b,
                       int segments, float start, const PatternStyle& style, RevolvedUv uv);

// A patterned triangle with per-vertex normals and texture coordinates.
struct PatternPoint {
    Vec3 position;
    Vec3 normal;
    float s = 0;
    float t = 0;
};
void add_pattern_triangle(std::vector<PatternVertex>& out, const PatternPoint& a,
                          const PatternPoint& b, const PatternPoint& c, const PatternStyle& style);

} // namespace coilwend
