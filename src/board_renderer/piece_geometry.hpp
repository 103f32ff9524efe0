#pragma once
// The board's pieces that change with the moves: items (a teardrop-shaped
// solid) and target discs, which sink flat while something covers them.

#include "board_renderer/board_animation.hpp"
#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"

#include <vector>

namespace coilwend {

// Clears out (keeping its storage) and adds every drawn item, then every
// target. While a bump plays, items at the bump's cells are hidden.
void build_piece_geometry(const Puzzle& puzzle, const BoardAnimation& animation,
                          std::vector<MeshVertex>& out);

// The teardrop item lying along +x across its cell.
void add_item(std::vector<MeshVertex>& out, const Item& item);

// The teardrop's profile: the eased axial fraction of a latitude fraction o
// in [0, 1], and the radius at axial fraction t (0 at both ends).
float teardrop_fraction(float o);
float teardrop_radius(float t);

inline constexpr int kItemLongitudes = 16;
inline constexpr int kItemLatitudes = 10;

// How covered a target is, 0 (open) to 1 (covered); a target above 0.5 is
// drawn flat. During a step the snake's new leading cell goes from 0 to 1 and
// the cell it gave up from 1 to 0.
float target_cover(const Puzzle& puzzle, const BoardAnimation& animation, Pos target);

// A red disc of radius 0.3: raised on a rim band when cover <= 0.5, else
// flat on the floor.
void add_target(std::vector<MeshVertex>& out, Pos target, float cover);

inline constexpr int kTargetSegments = 24;

} // namespace coilwend
