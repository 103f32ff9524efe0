#include "graphics/pixel_rect.hpp"

#include <algorithm>
#include <array>
#include <cmath>

namespace coilwend {

PixelRect united(const PixelRect& a, const PixelRect& b) {
    if (a.empty())
        return b;
    if (b.empty())
        return a;
    return {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1), std::max(a.y1, b.y1)};
}

PixelRect clamped(const PixelRect& r, std::uint32_t width, std::uint32_t height) {
    const auto w = static_cast<std::int32_t>(width), h = static_cast<std::int32_t>(height);
    PixelRect c{std::clamp(r.x0, 0, w), std::clamp(r.y0, 0, h), std::clamp(r.x1, 0, w),
                std::clamp(r.y1, 0, h)};
    return c.empty() ? PixelRect{} : c;
}

void WorldBox::add(Vec3 p) {
    if (empty()) {
        lo = hi = p;
        return;
    }
    lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
    hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
}

void WorldBox::merge(const WorldBox& other) {
    if (other.empty())
        return;
    add(other.lo);
    add(other.hi);
}

WorldBox WorldBox::grown(float by) const {
    if (empty())
        return *this;
    WorldBox g;
    g.lo = lo - Vec3{by, by, by};
    g.hi = hi + Vec3{by, by, by};
    return g;
}

PixelRect box_pixels(const Mat4& view_projection, const WorldBox& box, std::uint32_t width,
                     std::uint32_t height, std::int32_t margin) {
    if (box.empty())
        return {};
    float x_min = INFINITY, y_min = INFINITY, x_max = -INFINITY, y_max = -INFINITY;
    for (int corner = 0; corner < 8; ++corner) {
        const Vec4 clip = view_projection * Vec4{(corner & 1) != 0 ? box.hi.x : box.lo.x,
                                                 (corner & 2) != 0 ? box.hi.y : box.lo.y,
                                                 (corner & 4) != 0 ? box.hi.z : box.lo.z, 1.0f};
        // A corner behind the eye has no place on screen: take the whole frame.
        if (clip.w <= 0)
            return clamped({0, 0, INT32_MAX, INT32_MAX}, width, height);
        const float x = (clip.x / clip.w + 1) * 0.5f * float(width);
        const float y = (clip.y / clip.w + 1) * 0.5f * float(height);
        x_min = std::min(x_min, x);
        x_max = std::max(x_max, x);
        y_min = std::min(y_min, y);
        y_max = std::max(y_max, y);
    }
    // Far outside the frame the float may not fit an int; clamp first.
    auto pixel = [](float v) { return static_cast<std::int32_t>(std::clamp(v, -1e6f, 1e6f)); };
    const PixelRect r{pixel(std::floor(x_min)) - margin, pixel(std::floor(y_min)) - margin,
                      pixel(std::ceil(x_max)) + margin, pixel(std::ceil(y_max)) + margin};
    return clamped(r, width, height);
}

WorldBox with_shadow(const WorldBox& box, Vec3 light, float floor_z) {
    if (box.empty() || light.z >= 0)
        return box;
    WorldBox shadowed = box;
    // Where the rays through the top corners reach the lowest receiver.
    const float drop = box.hi.z - std::min(floor_z, box.lo.z);
    const Vec3 shift = light * (drop / -light.z);
    for (const Vec3 p : {box.lo, box.hi})
        shadowed.add(Vec3{p.x + shift.x, p.y + shift.y, std::min(floor_z, box.lo.z)});
    return shadowed;
}

} // namespace coilwend
