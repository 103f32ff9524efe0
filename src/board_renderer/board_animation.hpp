#pragma once
// What the board's pieces and overlays need to know about the animation
// being played: a small view of the front move event.

#include "game/geometry.hpp"
#include "game/move_event.hpp"

#include <cstddef>
#include <span>

namespace coilwend {

struct BoardAnimation {
    MoveEventKind kind = MoveEventKind::None;
    float progress = 0;
    std::size_t snake = 0;      // the snake that moved (Step, Bump, Vanish, Exit)
    Pos trailing;               // the cell the move gave up (Step)
    std::span<const Pos> cells; // Bump: the cells the snake would have had
};

// A view of the event; cells borrows the event's storage, so the event must
// outlive the returned record.
BoardAnimation board_animation(const MoveEvent& event);

inline bool is_step_of(const BoardAnimation& animation, std::size_t snake) {
    return animation.kind == MoveEventKind::Step && animation.snake == snake;
}

} // namespace coilwend
