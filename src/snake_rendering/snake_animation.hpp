#pragma once
// What the board renderer tells the snake mesh about the move being animated.

#include "game/geometry.hpp"
#include "game/puzzle.hpp"

namespace coilwend {

struct SnakeAnimation {
    bool active = false; // false: the snake is drawn at rest
    // Step progress p: runs from +1 to 0 when the first cell leads, from -1 to
    // 0 when the last cell leads; a bump passes its push amount here.
    float progress = 0;
    Pos trailing;            // the trailing cell before the move
    bool item_eaten = false; // the move ate an item of item_kind
    ItemKind item_kind = ItemKind::Grow;
};

// The progress the geometry follows: 0 at rest.
inline float step_progress(const SnakeAnimation& animation) {
    return animation.active ? animation.progress : 0.0f;
}

// A step that ate a grow item keeps the trailing end in place.
inline bool grows(const SnakeAnimation& animation) {
    return animation.active && animation.item_eaten && animation.item_kind == ItemKind::Grow;
}

} // namespace coilwend
