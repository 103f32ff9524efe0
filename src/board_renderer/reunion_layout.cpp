#include "board_renderer/reunion_layout.hpp"

#include <array>

namespace coilwend {
namespace {

constexpr int kTableWidth = 9;
constexpr int kTableHeight = 6;
constexpr std::uint8_t kTurnedHeight = 9;
constexpr std::uint8_t kNone = 0xFF;

// Region palettes in table coordinates, row 0 first (the bottom row).
// W water, digits the settings' palettes, '.' no region.
constexpr std::array<const char*, kTableHeight> kRegions = {{
    "WWW200000", // y = 0
    "WWW200000", // y = 1
    "3W2200000", // y = 2
    "333444411", // y = 3
    "333444411", // y = 4
    ".33444411", // y = 5
}};

constexpr std::array<ReunionWall, 11> kWalls = {{
    {3, {0, 2}},
    {2, {1, 2}},
    {2, {2, 1}},
    {0, {6, 0}},
    {0, {6, 1}},
    {0, {7, 2}},
    {4, {4, 4}},
    {4, {5, 4}},
    {4, {6, 4}},
    {1, {7, 4}},
    {1, {7, 5}},
}};

bool turned(const Puzzle& puzzle) {
    return puzzle.height == kTurnedHeight;
}

std::uint8_t region_code(Pos table_cell) {
    if (table_cell.x < 0 || table_cell.x >= kTableWidth || table_cell.y < 0 ||
        table_cell.y >= kTableHeight)
        return kNone;
    const char code = kRegions[table_cell.y][table_cell.x];
    if (code == 'W')
        return static_cast<std::uint8_t>(FloorPalette::Water);
    if (code >= '0' && code <= '4')
        return static_cast<std::uint8_t>(code - '0');
    return kNone;
}

} // namespace

Pos reunion_board_cell(const Puzzle& puzzle, Pos table_cell) {
    if (!turned(puzzle))
        return table_cell;
    return {wrap8(puzzle.width - 1 - table_cell.y), table_cell.x};
}

std::optional<FloorPalette> reunion_floor_palette(const Puzzle& puzzle, Pos board_cell) {
    // Undo the turn: board (width - 1 - y, x) came from table (x, y).
    const Pos table_cell =
        turned(puzzle) ? Pos{board_cell.y, wrap8(puzzle.width - 1 - board_cell.x)} : board_cell;
    const std::uint8_t code = region_code(table_cell);
    if (code == kNone)
        return std::nullopt;
    return static_cast<FloorPalette>(code);
}

std::span<const ReunionWall> reunion_walls() {
    return kWalls;
}

} // namespace coilwend
