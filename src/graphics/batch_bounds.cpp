#include "graphics/batch_bounds.hpp"

#include <algorithm>

namespace coilwend {
namespace {

// Pixels added around a batch for rasterisation and multisampling at its edges.
constexpr std::int32_t kEdgePixels = 2;

bool overlap(const PixelRect& a, const PixelRect& b) {
    return !a.empty() && !b.empty() && a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1;
}

} // namespace

std::span<const VertexRun> BatchBounds::reaching(const Mat4& view_projection, std::uint32_t width,
                                                 std::uint32_t height, const PixelRect& pixels) {
    runs_.clear();
    for (std::size_t batch = 0; batch < boxes_.size(); ++batch) {
        if (!overlap(box_pixels(view_projection, boxes_[batch], width, height, kEdgePixels),
                     pixels))
            continue;
        const std::size_t first = batch * kVerticesPerBatch;
        const std::size_t count = std::min(kVerticesPerBatch, vertices_ - first);
        if (!runs_.empty() && runs_.back().first + runs_.back().count == first)
            runs_.back().count += count;
        else
            runs_.push_back({first, count});
    }
    return runs_;
}

} // namespace coilwend
