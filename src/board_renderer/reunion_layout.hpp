#pragma once
// The level "Reunion" brings the snakes of every setting together: its floor
// is a patchwork of all the settings' palettes and its walls carry each
// setting's scenery. Both come from fixed tables laid out for the 9 x 6
// board; when the board is shown turned (height 9) a table cell (x, y) lands
// on (width - 1 - y, x).

#include "board_renderer/floor_palette.hpp"
#include "game/puzzle.hpp"

#include <cstdint>
#include <optional>
#include <span>

namespace coilwend {

inline constexpr std::string_view kReunionName = "Reunion";

inline bool is_reunion(const Puzzle& puzzle) {
    return puzzle.name == kReunionName;
}

// Where a table cell lies on the puzzle's board.
Pos reunion_board_cell(const Puzzle& puzzle, Pos table_cell);

// The palette of the region a board cell belongs to; none for a cell outside
// every region (the exit's corner).
std::optional<FloorPalette> reunion_floor_palette(const Puzzle& puzzle, Pos board_cell);

// The exit funnel takes the setting-3 shades.
inline constexpr FloorPalette kReunionExitPalette = FloorPalette::Setting3;

struct ReunionWall {
    std::uint8_t setting = 0;
    Pos cell; // table coordinates
};
std::span<const ReunionWall> reunion_walls();

} // namespace coilwend
