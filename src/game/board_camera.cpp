#include "game/board_camera.hpp"

#include "game/log.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace coilwend {

BoardCamera make_board_camera(std::uint32_t width, std::uint32_t height, std::uint8_t board_width,
                              std::uint8_t board_height) {
    BoardCamera camera;
    camera.viewport_width = width;
    camera.viewport_height = height;
    camera.board_width = board_width;
    camera.board_height = board_height;

    const float W = static_cast<float>(width), H = static_cast<float>(height);
    const float bw = board_width, bh = board_height;
    // The margin beside the board, in whole pixels.
    const float margin = std::floor(static_cast<float>(2 * std::min(width, height)) * 0.1f);
    const float available_aspect = (W - margin) / H;
    if (available_aspect > bw / bh) {
        camera.view_height = 1.08f * bh;
        camera.view_width = camera.view_height * available_aspect;
    } else {
        camera.view_width = 1.08f * bw;
        camera.view_height = camera.view_width / available_aspect;
    }
    camera.total_view_width = camera.view_width * (margin / (W - margin) + 1);

    const float vwt = camera.total_view_width, vh = camera.view_height;
    camera.view_projection = ortho(-vwt / 2, vwt / 2, -vh / 2, vh / 2, -5, 5) * rotate_x(-0.2f) *
                             translate({-(bw / 2 - 0.5f), -(bh / 2 - 0.5f), 0});

    if (std::fabs(vwt / vh - W / H) > 0.01f)
        fatal("Aspects differed. screen: " + std::to_string(W / H) +
              "; proj: " + std::to_string(vwt / vh));
    return camera;
}

Mat4 board_light_matrix(std::uint8_t board_width, std::uint8_t board_height) {
    const float m = std::max(board_width, board_height);
    return ortho(-m, m, -1.3f * m, 1, -10, 10) * look_at({0.3f, 0.4f, 1.0f}, {0, 0, 0}, {0, 0, 1});
}

Vec3 pointer_on_board(const BoardCamera& camera, float px, float py) {
    const auto inv = inverse(camera.view_projection);
    if (!inv)
        fatal("Board view-projection matrix cannot be inverted");
    // Normalised device coordinates, y up.
    const float nx = px / static_cast<float>(camera.viewport_width) * 2 - 1;
    const float ny = 1 - py / static_cast<float>(camera.viewport_height) * 2;
    return floor_point(*inv, nx, ny);
}

Pos pointer_cell(const BoardCamera& camera, float px, float py) {
    return nearest_cell(pointer_on_board(camera, px, py));
}

Pos nearest_cell(Vec3 point) {
    // Clamped first so a point far off the board cannot overflow the conversion.
    auto to_cell = [](float v) {
        return wrap8(static_cast<int>(std::round(std::clamp(v, -1e6f, 1e6f))));
    };
    return {to_cell(point.x), to_cell(point.y)};
}

ScreenPoint cell_pixel(const BoardCamera& camera, Pos cell) {
    const Vec4 clip = camera.view_projection * Vec4{float(cell.x), float(cell.y), 0, 1};
    return {(clip.x / clip.w + 1) / 2 * static_cast<float>(camera.viewport_width),
            (1 - clip.y / clip.w) / 2 * static_cast<float>(camera.viewport_height)};
}

} // namespace coilwend
