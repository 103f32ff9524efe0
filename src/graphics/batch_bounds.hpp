#pragma once
// A still mesh cut into batches of consecutive triangles, each with the box
// it fills, so that a partial redraw draws only the batches that can reach
// its region. The batches kept are drawn in their first order, so where they
// overlap the pixels come out as when the whole mesh is drawn; a batch left
// out lies wholly outside the region, whose scissor would have kept every
// one of its pixels out anyway. What this spares is the vertex work: the
// driver transforms and bins every vertex drawn, however few pixels remain.

#include "game/matrix.hpp"
#include "graphics/pixel_rect.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

// Vertices [first, first + count) of a buffer.
struct VertexRun {
    std::size_t first = 0, count = 0;
    friend bool operator==(const VertexRun&, const VertexRun&) = default;
};

class BatchBounds {
  public:
    // A whole number of triangles.
    static constexpr std::size_t kVerticesPerBatch = 3 * 64;

    BatchBounds() = default;
    // Any vertex record with `float position[3]` first.
    template <class Vertex> static BatchBounds of(std::span<const Vertex> vertices) {
        BatchBounds bounds;
        bounds.vertices_ = vertices.size();
        for (std::size_t first = 0; first < vertices.size(); first += kVerticesPerBatch) {
            WorldBox box;
            const std::size_t end = std::min(vertices.size(), first + kVerticesPerBatch);
            for (std::size_t i = first; i < end; ++i)
                box.add(Vec3{vertices[i].position[0], vertices[i].position[1],
                             vertices[i].position[2]});
            bounds.boxes_.push_back(box);
        }
        bounds.runs_.reserve(bounds.boxes_.size());
        return bounds;
    }

    // The batches whose box lands within `pixels` of a framebuffer of the
    // given size under `view_projection`, consecutive ones merged into one
    // run. Reuses its storage: steady frames allocate nothing.
    std::span<const VertexRun> reaching(const Mat4& view_projection, std::uint32_t width,
                                        std::uint32_t height, const PixelRect& pixels);
    std::size_t vertex_count() const { return vertices_; }

  private:
    std::vector<WorldBox> boxes_;
    std::size_t vertices_ = 0;
    std::vector<VertexRun> runs_;
};

} // namespace coilwend
