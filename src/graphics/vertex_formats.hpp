#pragma once
// Plain vertex records as the shaders read them. Geometry builders fill
// vectors of these on the CPU; VertexBuffer uploads them whole.

#include <cstddef>
#include <cstdint>

namespace coilwend {

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct MeshVertex {
    float position[3];
    float normal[3];
    Rgb color1;
    std::uint8_t pad = 0;
};
static_assert(sizeof(MeshVertex) == 28);

struct PatternVertex {
    float position[3];
    float normal[3];
    Rgb color1;
    std::uint8_t pad1 = 0;
    Rgb color2;
    std::uint8_t pad2 = 0;
    float uv[2];
    std::int8_t pattern = 0;
    std::uint8_t pad3[3] = {0, 0, 0};
};
static_assert(sizeof(PatternVertex) == 44);
static_assert(offsetof(PatternVertex, color2) == 28 && offsetof(PatternVertex, uv) == 32 &&
              offsetof(PatternVertex, pattern) == 40);

struct FacetVertex {
    float position[3];
    float normal[3];
    Rgb color;
    std::uint8_t bary[3];
    std::uint8_t pad[2] = {0, 0};
};
static_assert(sizeof(FacetVertex) == 32 && offsetof(FacetVertex, bary) == 27);

struct ColorVertex {
    float position[3];
    float color[4];
};
static_assert(sizeof(ColorVertex) == 28);

struct TexturedVertex {
    float position[3];
    float color[4];
    float uv[2];
};
static_assert(sizeof(TexturedVertex) == 36);

struct PointVertex {
    float position[2];
    float uv[2];
    float alpha;
    Rgb color;
    std::uint8_t pad = 0;
};
static_assert(sizeof(PointVertex) == 24);

} // namespace coilwend
