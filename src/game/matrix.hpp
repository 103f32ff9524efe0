#pragma once
// Small vector and 4x4 matrix helpers shared by the rules (pointer picking)
// and the renderers. Matrices are column-major, as OpenGL takes them.

#include <array>
#include <optional>

namespace coilwend {

struct Vec3 {
    float x = 0, y = 0, z = 0;
    friend bool operator==(const Vec3&, const Vec3&) = default;
};

inline Vec3 operator+(Vec3 a, Vec3 b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
inline Vec3 operator-(Vec3 a, Vec3 b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
inline Vec3 operator*(Vec3 a, float s) {
    return {a.x * s, a.y * s, a.z * s};
}
inline Vec3 operator*(float s, Vec3 a) {
    return a * s;
}
inline float dot(Vec3 a, Vec3 b) {
    return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec3 cross(Vec3 a, Vec3 b);
float length(Vec3 v);
Vec3 normalize(Vec3 v); // a zero vector stays zero

struct Vec4 {
    float x = 0, y = 0, z = 0, w = 0;
};

struct Mat4 {
    std::array<float, 16> m{}; // column-major: m[column * 4 + row]
    float& at(int row, int column) { return m[column * 4 + row]; }
    float at(int row, int column) const { return m[column * 4 + row]; }
    static Mat4 identity();
};

Mat4 operator*(const Mat4& a, const Mat4& b);
Vec4 operator*(const Mat4& a, Vec4 v);
Mat4 ortho(float left, float right, float bottom, float top, float near, float far);
Mat4 translate(Vec3 offset);
Mat4 rotate_x(float radians);
Mat4 look_at(Vec3 eye, Vec3 target, Vec3 up);
std::optional<Mat4> inverse(const Mat4& a);
// Where the line of sight through the normalised device point (nx, ny)
// meets the floor z = 0, given the inverse of the view projection.
Vec3 floor_point(const Mat4& inverse_view_projection, float nx, float ny);

} // namespace coilwend
