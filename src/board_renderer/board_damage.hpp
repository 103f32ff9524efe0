#pragma once
// What of a level's picture must be drawn again in a frame. Between two
// frames of a move only the moving snake (and what it eats or pushes) and
// the overlays change; the floor, the walls and the camera stay. The pixels
// under their old and new places and under the shadows they cast, and the
// shadow-map texels under the casters, are all that differ from the last
// frame's picture; everything else is kept.

#include "game/geometry.hpp"
#include "game/matrix.hpp"
#include "graphics/pixel_rect.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstdint>
#include <cstring>
#include <span>
#include <vector>

namespace coilwend {

// Remembers one kind of geometry between frames and finds the span that
// changed: everything between the longest common start and the longest
// common end of the two vertex lists, in the old and the new list.
template <class Vertex> class VertexChanges {
  public:
    // Adds the positions of the changed vertices, old and new, to `box`,
    // and keeps `now` for the next call.
    void note(std::span<const Vertex> now, WorldBox& box) {
        const std::span<const Vertex> before{previous_};
        const std::size_t shorter = std::min(before.size(), now.size());
        std::size_t head = 0;
        while (head < shorter && same(before[head], now[head]))
            ++head;
        std::size_t tail = 0;
        while (tail < shorter - head &&
               same(before[before.size() - 1 - tail], now[now.size() - 1 - tail]))
            ++tail;
        for (const auto& list : {before, now})
            for (std::size_t i = head; i + tail < list.size(); ++i)
                box.add(Vec3{list[i].position[0], list[i].position[1], list[i].position[2]});
        previous_.assign(now.begin(), now.end());
    }
    void clear() { previous_.clear(); }

  private:
    static bool same(const Vertex& a, const Vertex& b) {
        return std::memcmp(&a, &b, sizeof(Vertex)) == 0;
    }
    std::vector<Vertex> previous_;
};

// One frame's geometry as the board renderer uploads it.
struct BoardFrameGeometry {
    const Mat4* camera = nullptr; // the view projection
    const Mat4* light = nullptr;  // the light's projection into the shadow map
    std::uint32_t drawable_width = 0, drawable_height = 0;
    std::uint32_t shadow_size = 0;
    Pos exit;                     // the one hole in the floor
    bool dynamic_rebuilt = false; // snakes and pieces were built for this frame
    std::span<const FacetVertex> snakes;
    std::span<const MeshVertex> pieces;
    std::span<const ColorVertex> overlay; // the flat overlay triangles
    bool iris = false;                    // an iris covers the frame
    std::span<const TexturedVertex> icons;
};

struct BoardRegions {
    PixelRect shadow;  // shadow-map texels to draw again; empty: keep it
    PixelRect screen;  // canvas pixels to draw again; empty: keep them
    bool iris = false; // an iris covers this frame or the last
};

class BoardDamage {
  public:
    // `whole` asks for the whole frame (new level, new window, lost picture).
    // Remembers this frame's geometry for the next.
    BoardRegions next(const BoardFrameGeometry& frame, Vec3 light_direction, bool whole);

  private:
    VertexChanges<FacetVertex> snakes_;
    VertexChanges<MeshVertex> pieces_;
    VertexChanges<ColorVertex> overlay_;
    VertexChanges<TexturedVertex> icons_;
    bool had_iris_ = false;
};

} // namespace coilwend
