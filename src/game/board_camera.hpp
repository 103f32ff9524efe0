#pragma once
// The board's camera: a slightly tilted orthographic view that fits the board
// into the window with a margin beside it. Pure math, shared by the renderer
// (drawing) and the rules (turning a pointer position into a cell).

#include "game/geometry.hpp"
#include "game/matrix.hpp"

#include <cstdint>

namespace coilwend {

struct BoardCamera {
    std::uint32_t viewport_width = 0; // window size in screen units
    std::uint32_t viewport_height = 0;
    std::uint8_t board_width = 0;
    std::uint8_t board_height = 0;
    float view_width = 0;       // vw: world width covered by the board area
    float view_height = 0;      // vh
    float total_view_width = 0; // vwt: vw plus the margin
    Mat4 view_projection = Mat4::identity();
};

// Builds the camera for a window of width x height units and a board of
// board_width x board_height cells. Stops the program if the projection's
// aspect disagrees with the window's (an internal inconsistency).
BoardCamera make_board_camera(std::uint32_t width, std::uint32_t height, std::uint8_t board_width,
                              std::uint8_t board_height);

// The light's orthographic view of the board, for the shadow map.
Mat4 board_light_matrix(std::uint8_t board_width, std::uint8_t board_height);

// Projects a pointer position (pixels from the top left of the viewport) onto
// the board plane z = 0 and returns the world point; stops the program if the
// view-projection cannot be inverted.
Vec3 pointer_on_board(const BoardCamera& camera, float px, float py);
// The same point rounded to a cell, halves away from zero, as 8-bit coordinates.
Pos pointer_cell(const BoardCamera& camera, float px, float py);
// The cell of a floor point, rounded the same way.
Pos nearest_cell(Vec3 point);

// The reverse: where the centre of a cell appears, in pixels from the top left
// of the viewport (what a pointer must aim at to name that cell).
struct ScreenPoint {
    float x = 0, y = 0;
};
ScreenPoint cell_pixel(const BoardCamera& camera, Pos cell);

} // namespace coilwend
