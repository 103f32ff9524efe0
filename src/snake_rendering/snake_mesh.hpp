#pragma once
// The snake mesh: one snake of the puzzle as a faceted, scaled tube of
// independent triangles for the facet program.

#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"
#include "snake_rendering/snake_animation.hpp"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace coilwend {

// The index the board renderer passes for the extra copy of a vanishing snake.
inline constexpr std::size_t kVanishingSnakeIndex = 999;

// Appends the triangles of a snake (index in the puzzle, or kVanishingSnakeIndex)
// to out. A snake without cells adds nothing. Reuses per-thread scratch space,
// so steady frames allocate only when out has to grow.
void build_snake(const Snake& snake, std::size_t index, const Puzzle& puzzle,
                 const SnakeAnimation& animation, std::vector<FacetVertex>& out);

// The same with the skin chosen by the caller (developer tools show every skin).
void build_snake_with_skin(const Snake& snake, std::uint8_t skin, const Puzzle& puzzle,
                           const SnakeAnimation& animation, std::vector<FacetVertex>& out);

} // namespace coilwend
