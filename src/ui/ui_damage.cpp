#include "ui/ui_damage.hpp"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace coilwend {
namespace {

constexpr std::size_t kQuadVertices = 6;
// Pixels added around a changed quad for multisampled and filtered edges.
constexpr std::int32_t kEdgePixels = 2;

} // namespace

void UiDamage::begin(std::uint32_t width, std::uint32_t height) {
    resized_ = width != width_ || height != height_;
    width_ = width;
    height_ = height;
    layer_count_ = 0;
    changed_ = {};
}

PixelRect UiDamage::quad_pixels(const float* quad, std::size_t stride, UiSpace space) const {
    const auto w = float(width_), h = float(height_);
    float x0 = INFINITY, y0 = INFINITY, x1 = -INFINITY, y1 = -INFINITY;
    for (std::size_t i = 0; i < kQuadVertices; ++i) {
        float x = quad[i * stride], y = quad[i * stride + 1];
        if (space == UiSpace::Clip) {
            x = (x + 1) * 0.5f * w;
            y = (1 - y) * 0.5f * h;
        }
        x0 = std::min(x0, x), x1 = std::max(x1, x);
        y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
    // Rows counted from the top become GL's rows from the bottom.
    const auto lo = [](float v) { return std::int32_t(std::floor(v)) - kEdgePixels; };
    const auto hi = [](float v) { return std::int32_t(std::ceil(v)) + kEdgePixels; };
    return {lo(x0), lo(h - y1), hi(x1), hi(h - y0)};
}

void UiDamage::layer(std::span<const float> vertices, std::size_t floats_per_vertex,
                     UiSpace space) {
    if (now_.size() <= layer_count_)
        now_.resize(layer_count_ + 1);
    Layer& layer = now_[layer_count_];
    layer.vertices.assign(vertices.begin(), vertices.end());
    layer.stride = floats_per_vertex;
    layer.space = space;
    const Layer* before = layer_count_ < last_.size() ? &last_[layer_count_] : nullptr;
    ++layer_count_;

    const std::size_t quad_floats = kQuadVertices * floats_per_vertex;
    const std::size_t quads = vertices.size() / quad_floats;
    const bool comparable =
        before != nullptr && before->stride == floats_per_vertex && before->space == space;
    const std::size_t quads_before = comparable ? before->vertices.size() / quad_floats : 0;
    for (std::size_t q = 0; q < std::max(quads, quads_before); ++q) {
        const float* now = q < quads ? vertices.data() + q * quad_floats : nullptr;
        const float* then = q < quads_before ? before->vertices.data() + q * quad_floats : nullptr;
        if (now != nullptr && then != nullptr &&
            std::memcmp(now, then, quad_floats * sizeof(float)) == 0)
            continue;
        if (now != nullptr)
            changed_ = united(changed_, quad_pixels(now, floats_per_vertex, space));
        if (then != nullptr)
            changed_ = united(changed_, quad_pixels(then, floats_per_vertex, space));
    }
    // A layer of another kind than last frame's: what it had goes too.
    if (before != nullptr && !comparable)
        for (std::size_t q = 0; q < before->vertices.size() / (kQuadVertices * before->stride); ++q)
            changed_ = united(
                changed_, quad_pixels(before->vertices.data() + q * kQuadVertices * before->stride,
                                      before->stride, before->space));
}

PixelRect UiDamage::end() {
    // Layers drawn last frame and not this one leave their quads behind.
    for (std::size_t l = layer_count_; l < last_.size(); ++l) {
        const Layer& gone = last_[l];
        const std::size_t quad_floats = kQuadVertices * gone.stride;
        for (std::size_t q = 0; quad_floats > 0 && q < gone.vertices.size() / quad_floats; ++q)
            changed_ = united(changed_, quad_pixels(gone.vertices.data() + q * quad_floats,
                                                    gone.stride, gone.space));
    }
    now_.resize(layer_count_);
    std::swap(last_, now_);
    if (resized_)
        return {0, 0, std::int32_t(width_), std::int32_t(height_)};
    return clamped(changed_, width_, height_);
}

} // namespace coilwend
