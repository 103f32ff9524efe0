#pragma once
// Where the interface drawn this frame differs from the one drawn the frame
// before: the pixels the frame must draw again besides the scene's own. Each
// layer is a list of quads of six vertices; a quad that differs from the one
// at its place last frame counts with both its old and its new bounds.

#include "graphics/pixel_rect.hpp"

#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

// A vertex's place: pixels from the drawable's top left, or clip space.
struct UiPoint {
    float x, y;
};

enum class UiSpace { Pixels, Clip };

class UiDamage {
  public:
    // Starts a frame for a drawable of the given size; a new size makes the
    // whole drawable count.
    void begin(std::uint32_t width, std::uint32_t height);
    // One layer's vertices this frame, in the order the layers are drawn.
    // `floats_per_vertex` floats each, the place first.
    void layer(std::span<const float> vertices, std::size_t floats_per_vertex, UiSpace space);
    // The pixels (GL's lower-left origin, widened for edges) that changed.
    PixelRect end();

  private:
    struct Layer {
        std::vector<float> vertices;
        std::size_t stride = 0;
        UiSpace space = UiSpace::Pixels;
    };
    PixelRect quad_pixels(const float* quad, std::size_t stride, UiSpace space) const;

    std::vector<Layer> last_, now_;
    std::size_t layer_count_ = 0;
    std::uint32_t width_ = 0, height_ = 0;
    bool resized_ = true;
    PixelRect changed_;
};

// A vertex record as floats, for UiDamage::layer.
template <class Vertex> std::span<const float> as_floats(std::span<const Vertex> vertices) {
    static_assert(sizeof(Vertex) % sizeof(float) == 0);
    return {reinterpret_cast<const float*>(vertices.data()),
            vertices.size() * (sizeof(Vertex) / sizeof(float))};
}

} // namespace coilwend
