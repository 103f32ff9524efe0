#pragma once
// Floor colours: every surface has two shades that alternate like a
// chessboard, chosen by the parity of x + y.

#include "game/geometry.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstdint>

namespace coilwend {

enum class FloorPalette : std::uint8_t { Setting0, Setting1, Setting2, Setting3, Setting4, Water };

// Settings above 4 share the setting-4 palette.
FloorPalette palette_for_setting(std::uint8_t setting);

// (x + y) mod 2. Cells with negative coordinates never reach the floor
// builder; one that does is an internal error.
int floor_parity(Pos cell);

// The first shade for parity 0, the second for parity 1.
Rgb palette_colour(FloorPalette palette, int parity);

// The shade of one cell's tile: the palette's colour by the cell's parity.
inline Rgb floor_colour(FloorPalette palette, Pos cell) {
    return palette_colour(palette, floor_parity(cell));
}

} // namespace coilwend
