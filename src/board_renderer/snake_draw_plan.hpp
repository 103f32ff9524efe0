#pragma once
// Which snakes the board draws for a frame, from which cells, and how each
// one is animated, derived from the move event being played. The snake mesh
// builder turns each plan into triangles.

#include "game/move_event.hpp"
#include "game/puzzle.hpp"
#include "snake_rendering/snake_mesh.hpp" // kVanishingSnakeIndex

#include <cstddef>
#include <span>
#include <vector>

namespace coilwend {

// The animation input of one snake: inactive draws it at rest; otherwise a
// step whose progress runs from +-1 (the step just begun) to 0 (done), with
// the cell the step gave up and the item it ate (or, for a bump, found under
// the leading end).
struct SnakeMotion {
    bool active = false;
    float progress = 0;
    Pos trailing;
    bool item_eaten = false;
    ItemKind item_kind = ItemKind::Grow;
};

struct SnakeDrawPlan {
    std::size_t index = 0;      // the snake's index in the puzzle, or kVanishingSnakeIndex
    std::span<const Pos> cells; // borrowed from the puzzle or the event
    bool two_headed = false;
    bool companion = false;
    SnakeMotion motion;
};

// The step amount shown for a bump's progress p: the leading end pushes half
// a cell towards the blocked cell and comes back (+-1 -> +-0.5 -> +-1).
float bump_amount(float p);

// Clears out (keeping its storage) and lists the snakes to draw, in puzzle
// order, skipping snakes without cells; a vanishing snake comes last. The
// plans borrow from puzzle and event, which must outlive them. event may be
// null when nothing is animated.
void plan_snake_draws(const Puzzle& puzzle, const MoveEvent* event,
                      std::vector<SnakeDrawPlan>& out);

} // namespace coilwend
