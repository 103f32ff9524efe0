#include "game/matrix.hpp"

#include <cmath>

namespace coilwend {

Vec3 cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

float length(Vec3 v) {
    return std::sqrt(dot(v, v));
}

Vec3 normalize(Vec3 v) {
    const float l = length(v);
    return l > 0 ? v * (1.0f / l) : v;
}

Mat4 Mat4::identity() {
    Mat4 r;
    for (int i = 0; i < 4; ++i)
        r.at(i, i) = 1;
    return r;
}

Mat4 operator*(const Mat4& a, const Mat4& b) {
    Mat4 r;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 4; ++col) {
            float sum = 0;
            for (int k = 0; k < 4; ++k)
                sum += a.at(row, k) * b.at(k, col);
            r.at(row, col) = sum;
        }
    return r;
}

Vec4 operator*(const Mat4& a, Vec4 v) {
    const float in[4] = {v.x, v.y, v.z, v.w};
    float out[4];
    for (int row = 0; row < 4; ++row)
        out[row] = a.at(row, 0) * in[0] + a.at(row, 1) * in[1] + a.at(row, 2) * in[2] +
                   a.at(row, 3) * in[3];
    return {out[0], out[1], out[2], out[3]};
}

Mat4 ortho(float left, float right, float bottom, float top, float near, float far) {
    Mat4 r = Mat4::identity();
    r.at(0, 0) = 2 / (right - left);
    r.at(1, 1) = 2 / (top - bottom);
    r.at(2, 2) = -2 / (far - near);
    r.at(0, 3) = -(right + left) / (right - left);
    r.at(1, 3) = -(top + bottom) / (top - bottom);
    r.at(2, 3) = -(far + near) / (far - near);
    return r;
}

Mat4 translate(Vec3 offset) {
    Mat4 r = Mat4::identity();
    r.at(0, 3) = offset.x;
    r.at(1, 3) = offset.y;
    r.at(2, 3) = offset.z;
    return r;
}

Mat4 rotate_x(float radians) {
    Mat4 r = Mat4::identity();
    const float c = std::cos(radians), s = std::sin(radians);
    r.at(1, 1) = c;
    r.at(1, 2) = -s;
    r.at(2, 1) = s;
    r.at(2, 2) = c;
    return r;
}

Mat4 look_at(Vec3 eye, Vec3 target, Vec3 up) {
    const Vec3 f = normalize(target - eye);
    const Vec3 s = normalize(cross(f, up));
    const Vec3 u = cross(s, f);
    Mat4 r = Mat4::identity();
    r.at(0, 0) = s.x, r.at(0, 1) = s.y, r.at(0, 2) = s.z;
    r.at(1, 0) = u.x, r.at(1, 1) = u.y, r.at(1, 2) = u.z;
    r.at(2, 0) = -f.x, r.at(2, 1) = -f.y, r.at(2, 2) = -f.z;
    r.at(0, 3) = -dot(s, eye);
    r.at(1, 3) = -dot(u, eye);
    r.at(2, 3) = dot(f, eye);
    return r;
}

std::optional<Mat4> inverse(const Mat4& a) {
    // Gauss-Jordan elimination with partial pivoting, in double precision.
    double m[4][8];
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m[r][c] = a.at(r, c);
            m[r][c + 4] = r == c ? 1.0 : 0.0;
        }
    for (int col = 0; col < 4; ++col) {
        int pivot = col;
        for (int r = col + 1; r < 4; ++r)
            if (std::fabs(m[r][col]) > std::fabs(m[pivot][col]))
                pivot = r;
        if (std::fabs(m[pivot][col]) < 1e-12)
            return std::nullopt;
        if (pivot != col)
            for (int c = 0; c < 8; ++c)
                std::swap(m[pivot][c], m[col][c]);
        const double scale = 1.0 / m[col][col];
        for (int c = 0; c < 8; ++c)
            m[col][c] *= scale;
        for (int r = 0; r < 4; ++r)
            if (r != col && m[r][col] != 0.0) {
                const double f = m[r][col];
                for (int c = 0; c < 8; ++c)
                    m[r][c] -= f * m[col][c];
            }
    }
    Mat4 r;
    for (int row = 0; row < 4; ++row)
        for (int c = 0; c < 4; ++c)
            r.at(row, c) = static_cast<float>(m[row][c + 4]);
    return r;
}

Vec3 floor_point(const Mat4& inverse_view_projection, float nx, float ny) {
    // The line runs through the view volume from the near to the far plane.
    const Vec4 a = inverse_view_projection * Vec4{nx, ny, -1, 1};
    const Vec4 b = inverse_view_projection * Vec4{nx, ny, 1, 1};
    const Vec3 pa{a.x / a.w, a.y / a.w, a.z / a.w};
    const Vec3 pb{b.x / b.w, b.y / b.w, b.z / b.w};
    const float dz = pb.z - pa.z;
    const float t = dz != 0 ? -pa.z / dz : 0;
    return pa + (pb - pa) * t;
}

} // namespace coilwend
