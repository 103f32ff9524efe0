#include "input/level_pointer.hpp"

#include "game/board_camera.hpp"

namespace coilwend {
namespace {

Pos cell_under(const BoardCamera& camera, std::uint32_t x, std::uint32_t y) {
    return pointer_cell(camera, static_cast<float>(x), static_cast<float>(y));
}

} // namespace

std::optional<Selection> snake_end_at(const Puzzle& puzzle, Pos cell) {
    for (std::size_t i = 0; i < puzzle.snakes.size(); ++i) {
        const Snake& snake = puzzle.snakes[i];
        if (snake.cells.empty())
            continue;
        if (snake.cells.back() == cell)
            return Selection{i, false};
        if (snake.two_headed && snake.cells.front() == cell)
            return Selection{i, true};
    }
    return std::nullopt;
}

void pointer_pressed(LevelPlay& play, const BoardCamera& camera, std::uint32_t x, std::uint32_t y) {
    const Pos cell = cell_under(camera, x, y);
    if (const auto end = snake_end_at(play.current(), cell)) {
        // Pressing the end that is already selected leaves press_cell empty,
        // so releasing without a drag deselects it.
        if (play.selection != end) {
            play.selection = end;
            play.press_cell = cell;
        }
    } else if (play.selection) {
        play.press_cell = cell;
    }
}

void pointer_dragged(LevelPlay& play, const BoardCamera& camera, std::uint32_t x, std::uint32_t y) {
    const Pos cell = cell_under(camera, x, y);
    if (play.press_cell && *play.press_cell != cell)
        play.press_cell.reset();
    if (!play.selection)
        play.selection = snake_end_at(play.current(), cell);
    steer_to_pointer(play, camera, x, y);
}

void pointer_released(LevelPlay& play, const BoardCamera& camera, std::uint32_t x,
                      std::uint32_t y) {
    steer_to_pointer(play, camera, x, y);
    if (play.press_cell)
        play.press_cell.reset();
    else
        play.selection.reset();
}

} // namespace coilwend
