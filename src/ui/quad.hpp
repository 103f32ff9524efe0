#pragma once
// Screen-aligned quads for the UI meshes: six vertices, (x0, y0), (x0, y1),
// (x1, y1), (x0, y0), (x1, y1), (x1, y0), each with its corner of the
// texture rectangle.

#include "ui/glyph_cache.hpp"

#include <vector>

namespace coilwend {

struct QuadColour {
    float r, g, b, a;
};

// Vertex is an aggregate {x, y, u, v, r, g, b, a} of floats.
template <class Vertex>
void push_quad(std::vector<Vertex>& out, float x0, float y0, float x1, float y1,
               const TextureRect& uv, const QuadColour& c) {
    const auto vertex = [&](float x, float y, float u, float v) {
        out.push_back({x, y, u, v, c.r, c.g, c.b, c.a});
    };
    vertex(x0, y0, uv.u0, uv.v0);
    vertex(x0, y1, uv.u0, uv.v1);
    vertex(x1, y1, uv.u1, uv.v1);
    vertex(x0, y0, uv.u0, uv.v0);
    vertex(x1, y1, uv.u1, uv.v1);
    vertex(x1, y0, uv.u1, uv.v0);
}

} // namespace coilwend
