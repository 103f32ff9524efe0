#pragma once
// A black wall hanging below the board's front edge. The camera looks at the
// board slightly from the front, so the inside of an exit funnel in the front
// row would otherwise show below the board's edge, where no floor hides it.
// Black like the cleared screen, the wall itself is never seen.

#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"

#include <vector>

namespace coilwend {

// As deep as the exit funnel.
inline constexpr float kSkirtDepth = 5.0f;

// Appends the wall's two triangles, facing the viewer.
void add_front_skirt(std::vector<MeshVertex>& ground, const Puzzle& puzzle);

} // namespace coilwend
