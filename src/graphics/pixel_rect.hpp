#pragma once
// Rectangles of framebuffer pixels, and where a box of the world lands in
// one: what a partial redraw scissors to.

#include "game/matrix.hpp"

#include <cstdint>

namespace coilwend {

// Pixels [x0, x1) x [y0, y1), counted from the framebuffer's lower left as GL
// counts them. Empty when x0 >= x1 or y0 >= y1.
struct PixelRect {
    std::int32_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    bool empty() const { return x0 >= x1 || y0 >= y1; }
    std::int64_t area() const { return empty() ? 0 : std::int64_t(x1 - x0) * (y1 - y0); }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The smallest rectangle holding both; an empty one adds nothing.
PixelRect united(const PixelRect& a, const PixelRect& b);
// The part of r inside a framebuffer of the given size.
PixelRect clamped(const PixelRect& r, std::uint32_t width, std::uint32_t height);

// An axis-aligned box of the world; empty until something is added.
struct WorldBox {
    Vec3 lo{1, 1, 1};
    Vec3 hi{0, 0, 0};

    bool empty() const { return lo.x > hi.x || lo.y > hi.y || lo.z > hi.z; }
    void add(Vec3 p);
    void merge(const WorldBox& other);
    // Grown by `by` on every side.
    WorldBox grown(float by) const;
};

// The pixels a box covers in a framebuffer of the given size after the view
// projection (orthographic or in front of the eye), widened by `margin`
// pixels on each side for rasterisation and multisampling at its edges, and
// clamped to the framebuffer. Empty for an empty box.
PixelRect box_pixels(const Mat4& view_projection, const WorldBox& box, std::uint32_t width,
                     std::uint32_t height, std::int32_t margin);

// The box together with the shadow it can cast along `light` (pointing down,
// light.z < 0) onto anything between its own bottom and `floor_z`.
WorldBox with_shadow(const WorldBox& box, Vec3 light, float floor_z);

} // namespace coilwend
