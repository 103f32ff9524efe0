#pragma once
// The scenery standing on one wall cell, chosen by the level's setting:
// 0 rocks, 1 tree stumps, 2 reeds, 3 barrels, 4 and above stacks of tires.
// Each piece stays inside its cell's square and on or above the floor, and
// varies per cell through the cell's own random sequence, so a level looks
// the same on every build.

#include "game/geometry.hpp"
#include "graphics/vertex_formats.hpp"

#include <cstdint>
#include <vector>

namespace coilwend {

// Appends the cell's plain triangles to mesh and its patterned ones to pattern.
void add_wall_scenery(std::uint8_t setting, Pos cell, std::vector<MeshVertex>& mesh,
                      std::vector<PatternVertex>& pattern);

} // namespace coilwend
