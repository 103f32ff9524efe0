#include "board_renderer/floor_palette.hpp"

#include "game/log.hpp"

#include <array>
#include <utility>

namespace coilwend {
namespace {

// Indexed by FloorPalette: (first, second).
constexpr std::array<std::pair<Rgb, Rgb>, 6> kPalettes = {{
    {{218, 194, 124}, {215, 175, 114}}, // setting 0
    {{18, 84, 15}, {16, 74, 13}},       // setting 1
    {{92, 128, 11}, {72, 95, 10}},      // setting 2
    {{111, 84, 60}, {100, 73, 51}},     // setting 3
    {{168, 168, 168}, {132, 132, 132}}, // setting 4
    {{13, 44, 151}, {12, 36, 138}},     // water
}};

} // namespace

FloorPalette palette_for_setting(std::uint8_t setting) {
    return setting >= 4 ? FloorPalette::Setting4 : static_cast<FloorPalette>(setting);
}

int floor_parity(Pos cell) {
    const int parity = (int(cell.x) + int(cell.y)) % 2;
    if (parity < 0)
        fatal("internal error: floor parity of a cell with negative coordinates");
    return parity;
}

Rgb palette_colour(FloorPalette palette, int parity) {
    const auto& shades = kPalettes[static_cast<std::size_t>(palette)];
    return parity == 0 ? shades.first : shades.second;
}

} // namespace coilwend
