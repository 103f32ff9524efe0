#include "overworld/map_camera.hpp"

#include "game/board_camera.hpp"
#include "game/log.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend {
namespace {

// The map is tilted back by 0.3 radians; these are that rotation's cosine
// and sine as the map has always used them.
constexpr float kTiltCos = 0.9553365f;
constexpr float kTiltSin = 0.29552022f;

// The map's floor spans x 88.5..100.5 and y 98.5..110.5; the view never
// shows more than this many cells of it in either direction.
constexpr float kMapLeft = 88.5f, kMapRight = 100.5f;
constexpr float kMapBottom = 98.5f, kMapTop = 110.5f;
constexpr float kMaxVisible = 12.0f;

float clamp_between(float value, float low, float high) {
    return std::max(low, std::min(value, high));
}

Mat4 scale(float x, float y, float z) {
    Mat4 m = Mat4::identity();
    m.at(0, 0) = x;
    m.at(1, 1) = y;
    m.at(2, 2) = z;
    return m;
}

Mat4 map_tilt() {
    Mat4 r = Mat4::identity();
    r.at(1, 1) = kTiltCos; // world y -> (0, cos, -sin)
    r.at(2, 1) = -kTiltSin;
    r.at(1, 2) = kTiltSin; // world z -> (0, sin, cos)
    r.at(2, 2) = kTiltCos;
    return r;
}

} // namespace

float MapScreen::aspect() const {
    if (drawable_height == 0)
        return 1.0f;
    return static_cast<float>(drawable_width) / static_cast<float>(drawable_height);
}

float visible_width(float zoom) {
    return 4.0f / zoom;
}

float visible_height(float zoom, float aspect) {
    return 4.0f / (aspect * zoom * kTiltCos);
}

Mat4 map_projection(const MapCamera& camera, float aspect) {
    const float d = camera.zoom;
    const Mat4 orthographic = scale(0.5f, aspect / 2.0f, -1.0f / (5.0f * d));
    return orthographic * map_tilt() * scale(d, d, d) *
           translate({-camera.position.x, -camera.position.y, -camera.position.z});
}

Vec3 map_point_under(const MapCamera& camera, const MapScreen& screen, float px, float py) {
    const auto inv = inverse(map_projection(camera, screen.aspect()));
    if (!inv)
        fatal("Map projection cannot be inverted");
    const float w = std::max(static_cast<float>(screen.window_width), 1.0f);
    const float h = std::max(static_cast<float>(screen.window_height), 1.0f);
    const float nx = px / w * 2 - 1;
    const float ny = 1 - py / h * 2;
    const Vec3 p = floor_point(*inv, nx, ny);
    return {p.x, p.y, 0};
}

Pos map_cell_under(const MapCamera& camera, const MapScreen& screen, float px, float py) {
    return nearest_cell(map_point_under(camera, screen, px, py));
}

void apply_view_limits(MapCamera& camera, float aspect) {
    camera.zoom = clamp_between(camera.zoom, kWholeMapZoom, kClosestZoom);
    const float s = std::min(visible_width(camera.zoom), kMaxVisible);
    const float t = std::min(visible_height(camera.zoom, aspect), kMaxVisible);
    for (Vec3* point : {&camera.position, &camera.target}) {
        point->x = clamp_between(point->x, kMapLeft + s / 2, kMapRight - s / 2);
        point->y = clamp_between(point->y, kMapBottom + t / 2, kMapTop - t / 2);
    }
}

void glide_toward_target(MapCamera& camera) {
    const Vec3 offset = camera.target - camera.position;
    const float distance = length(offset);
    const float step = std::max(0.04f, 0.04f * distance);
    if (step > distance)
        camera.position = camera.target;
    else
        camera.position = camera.position + offset * (step / distance);
}

void zoom_about(MapCamera& camera, const MapScreen& screen, float factor, float px, float py) {
    const Vec3 before = map_point_under(camera, screen, px, py);
    camera.zoom = clamp_between(camera.zoom * factor, kWholeMapZoom, kClosestZoom);
    const Vec3 after = map_point_under(camera, screen, px, py);
    const Vec3 shift = before - after;
    camera.position = camera.position + shift;
    camera.target = camera.target + shift;
    apply_view_limits(camera, screen.aspect());
}

} // namespace coilwend
