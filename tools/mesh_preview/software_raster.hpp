#pragma once
// A tiny z-buffered triangle rasteriser that shades like the facet and mesh
// programs (directional light, ambient share, barycentric edge darkening),
// without shadows. Output is sRGB-encoded, as the game's framebuffer is.

#include "game/matrix.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstdint>
#include <vector>

namespace coilwend::preview {

class Raster {
  public:
    Raster(int width, int height, const Mat4& view_projection);
    // Back faces (clockwise on screen) are culled, as with GL_CULL_FACE.
    void draw(const std::vector<FacetVertex>& triangles);
    void draw(const std::vector<MeshVertex>& triangles);
    // RGB bytes, rows from the top, box-filtered down by factor.
    std::vector<std::uint8_t> downsampled(int factor) const;
    int width() const { return width_; }
    int height() const { return height_; }

  private:
    struct Corner {
        float x, y, z; // pixels and depth
        Vec3 normal;
        Vec3 colour; // linear 0..1
        Vec3 bary;
        bool facet;
    };
    void triangle(const Corner& a, const Corner& b, const Corner& c);
    Corner project(const float* position, const float* normal, Rgb colour, const std::uint8_t* bary,
                   bool facet) const;

    int width_, height_;
    Mat4 view_projection_;
    std::vector<float> depth_;
    std::vector<Vec3> colour_;
};

} // namespace coilwend::preview
