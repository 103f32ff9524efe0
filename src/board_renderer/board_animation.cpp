#include "board_renderer/board_animation.hpp"

namespace coilwend {

BoardAnimation board_animation(const MoveEvent& event) {
    BoardAnimation animation;
    animation.kind = event.kind;
    animation.progress = event.progress;
    animation.snake = event.snake;
    animation.trailing = event.trailing;
    animation.cells = event.cells;
    return animation;
}

} // namespace coilwend
