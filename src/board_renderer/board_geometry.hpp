#pragma once
// The board's static geometry: floor tiles, the exit funnel and the wall
// scenery. Rebuilt only when the level or the window changes.

#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"

#include <vector>

namespace coilwend {

// Clears both vectors (keeping their storage) and fills them: plain
// triangles (floor, exit, plain scenery) into ground, patterned scenery into
// scenery. The level "Reunion" takes its floor and walls from fixed tables.
void build_static_geometry(const Puzzle& puzzle, std::vector<MeshVertex>& ground,
                           std::vector<PatternVertex>& scenery);

// The exit: instead of a floor tile, a funnel of five rings narrowing and
// darkening to a point five units below the floor. The outer ring follows
// the cell's square; colour is the shade the cell's tile would have had.
void add_exit_funnel(std::vector<MeshVertex>& mesh, Pos cell, Rgb colour);

inline constexpr int kExitRings = 5;
inline constexpr int kExitSegments = 32;

} // namespace coilwend
