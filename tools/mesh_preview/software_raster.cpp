#include "software_raster.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend::preview {
namespace {

const Vec3 kLightDirection{-0.26832816f, -0.35777089f, -0.89442718f};
constexpr float kLightIntensity = 0.45f;

float to_srgb(float linear) {
    linear = std::clamp(linear, 0.0f, 1.0f);
    return linear <= 0.0031308f ? 12.92f * linear : 1.055f * std::pow(linear, 1 / 2.4f) - 0.055f;
}

// The fragment stage of the lit programs, with the facet program's outline.
Vec3 shade(Vec3 normal, Vec3 unlit, Vec3 bary, bool facet) {
    const float ci = std::clamp(dot(normal, kLightDirection * -1.0f), 0.0f, 1.0f);
    Vec3 colour = unlit * (ci * kLightIntensity) + unlit * (1 - kLightIntensity);
    if (!facet)
        return colour;
    float darkness = 0;
    if (bary.z > 0.6f && bary.x + bary.y < 1)
        darkness = std::max(darkness, (bary.z - 0.6f) / 0.4f * 0.3f);
    if (bary.y < 0.1f)
        darkness = std::max(darkness, (1 - bary.y / 0.1f) * 0.15f);
    if (bary.x < 0.1f)
        darkness = std::max(darkness, (1 - bary.x / 0.1f) * 0.15f);
    return colour * (1 - darkness) + Vec3{0.1f, 0.1f, 0.1f} * darkness;
}

} // namespace

Raster::Raster(int width, int height, const Mat4& view_projection)
    : width_(width), height_(height), view_projection_(view_projection),
      depth_(static_cast<std::size_t>(width * height), 1.0f),
      colour_(static_cast<std::size_t>(width * height), Vec3{0.02f, 0.02f, 0.03f}) {}

Raster::Corner Raster::project(const float* position, const float* normal, Rgb colour,
                               const std::uint8_t* bary, bool facet) const {
    const Vec4 clip = view_projection_ * Vec4{position[0], position[1], position[2], 1};
    Corner c;
    c.x = (clip.x / clip.w * 0.5f + 0.5f) * width_;
    c.y = (0.5f - clip.y / clip.w * 0.5f) * height_;
    c.z = clip.z / clip.w * 0.5f + 0.5f;
    c.normal = {normal[0], normal[1], normal[2]};
    c.colour = {colour.r / 255.0f, colour.g / 255.0f, colour.b / 255.0f};
    c.bary = bary ? Vec3{bary[0] / 255.0f, bary[1] / 255.0f, bary[2] / 255.0f} : Vec3{1, 1, 1};
    c.facet = facet;
    return c;
}

void Raster::draw(const std::vector<FacetVertex>& v) {
    for (std::size_t i = 0; i + 2 < v.size(); i += 3)
        triangle(project(v[i].position, v[i].normal, v[i].color, v[i].bary, true),
                 project(v[i + 1].position, v[i + 1].normal, v[i + 1].color, v[i + 1].bary, true),
                 project(v[i + 2].position, v[i + 2].normal, v[i + 2].color, v[i + 2].bary, true));
}

void Raster::draw(const std::vector<MeshVertex>& v) {
    for (std::size_t i = 0; i + 2 < v.size(); i += 3)
        triangle(project(v[i].position, v[i].normal, v[i].color1, nullptr, false),
                 project(v[i + 1].position, v[i + 1].normal, v[i + 1].color1, nullptr, false),
                 project(v[i + 2].position, v[i + 2].normal, v[i + 2].color1, nullptr, false));
}

void Raster::triangle(const Corner& a, const Corner& b, const Corner& c) {
    // Screen y grows downwards, so a front face has negative area here.
    const float area = (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
    if (area >= 0)
        return;
    const int x0 = std::max(0, static_cast<int>(std::floor(std::min({a.x, b.x, c.x}))));
    const int x1 = std::min(width_ - 1, static_cast<int>(std::ceil(std::max({a.x, b.x, c.x}))));
    const int y0 = std::max(0, static_cast<int>(std::floor(std::min({a.y, b.y, c.y}))));
    const int y1 = std::min(height_ - 1, static_cast<int>(std::ceil(std::max({a.y, b.y, c.y}))));
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            const float px = x + 0.5f, py = y + 0.5f;
            const float wa = ((b.x - px) * (c.y - py) - (b.y - py) * (c.x - px)) / area;
            const float wb = ((c.x - px) * (a.y - py) - (c.y - py) * (a.x - px)) / area;
            const float wc = 1 - wa - wb;
            if (wa < 0 || wb < 0 || wc < 0)
                continue;
            const float z = wa * a.z + wb * b.z + wc * c.z;
            const std::size_t at = static_cast<std::size_t>(y * width_ + x);
            if (z > depth_[at] || z < 0)
                continue;
            depth_[at] = z;
            const Vec3 normal = a.normal * wa + b.normal * wb + c.normal * wc;
            const Vec3 colour = a.colour * wa + b.colour * wb + c.colour * wc;
            const Vec3 bary = a.bary * wa + b.bary * wb + c.bary * wc;
            colour_[at] = shade(normal, colour, bary, a.facet);
        }
}

std::vector<std::uint8_t> Raster::downsampled(int factor) const {
    const int w = width_ / factor, h = height_ / factor;
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(w * h * 3));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            Vec3 sum;
            for (int dy = 0; dy < factor; ++dy)
                for (int dx = 0; dx < factor; ++dx)
                    sum = sum + colour_[static_cast<std::size_t>((y * factor + dy) * width_ +
                                                                 x * factor + dx)];
            sum = sum * (1.0f / (factor * factor));
            std::uint8_t* out = &rgb[static_cast<std::size_t>((y * w + x) * 3)];
            out[0] = static_cast<std::uint8_t>(to_srgb(sum.x) * 255 + 0.5f);
            out[1] = static_cast<std::uint8_t>(to_srgb(sum.y) * 255 + 0.5f);
            out[2] = static_cast<std::uint8_t>(to_srgb(sum.z) * 255 + 0.5f);
        }
    return rgb;
}

} // namespace coilwend::preview
