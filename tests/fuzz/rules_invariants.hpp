#pragma once
// What must hold of a played level after any input at all, checked by the
// rules fuzz target after every step.

#include "fuzz/fuzz_check.hpp"
#include "game/level_play.hpp"

#include <algorithm>

namespace coilwend::fuzzing {

// The board itself: walls, water, targets and the exit stay put, items are
// only ever eaten, and every snake is a chain of neighbouring cells on the
// board that shares no cell with a wall, another snake or (for a companion)
// water.
inline void check_board(const Puzzle& now, const Puzzle& start) {
    require(now.width == start.width && now.height == start.height && now.walls == start.walls &&
                now.water == start.water && now.targets == start.targets && now.exit == start.exit,
            "the board's fixed parts never change");
    require(now.items.size() <= start.items.size(), "items are only ever eaten");
    require(now.snakes.size() == start.snakes.size(), "snakes keep their places in the list");
    std::vector<Pos> occupied;
    for (std::size_t i = 0; i < now.snakes.size(); ++i) {
        const Snake& snake = now.snakes[i];
        require(snake.two_headed == start.snakes[i].two_headed &&
                    snake.companion == start.snakes[i].companion,
                "a snake keeps its kind");
        require(snake.cells.size() != 1, "a snake is gone or at least two cells long");
        for (std::size_t c = 0; c < snake.cells.size(); ++c) {
            const Pos cell = snake.cells[c];
            require(on_board(now, cell), "snakes stay on the board");
            require(!is_wall(now, cell), "snakes never overlap walls");
            require(!snake.companion || !is_water(now, cell), "companions never enter water");
            require(c == 0 || are_neighbours(cell, snake.cells[c - 1]),
                    "a snake's cells are neighbours");
            require(std::find(occupied.begin(), occupied.end(), cell) == occupied.end(),
                    "snakes never overlap each other or themselves");
            occupied.push_back(cell);
        }
    }
}

// The play around the board: the history starts at the level's start, the
// selection names an end that can be steered, and every queued animation
// refers to a history entry that exists.
inline void check_play(const LevelPlay& play, const Puzzle& start) {
    require(!play.history.empty(), "the history is never empty");
    require(play.history.front().puzzle == start, "the history starts at the level's start");
    // Earlier entries were checked when they were current.
    check_board(play.current(), start);
    if (const auto& selection = play.selection) {
        const Puzzle& now = play.current();
        require(selection->snake < now.snakes.size(), "the selection names a snake");
        require(!now.snakes[selection->snake].cells.empty(),
                "the selection names a snake still on the board");
        require(!selection->front || now.snakes[selection->snake].two_headed,
                "only a two-headed snake is led by its first cell");
    }
    for (const MoveEvent& event : play.events)
        require(event.history_index < play.history.size(),
                "an animation shows an entry of the history");
    require(moves_since_reset(play) < play.history.size(), "moves since reset are in the history");
}

// True when `after` is `before` with exactly one legal step of some snake end.
inline bool is_one_step(const Puzzle& before, const Puzzle& after) {
    for (const Selection end : selectable_ends(before))
        for (const Direction direction : {kLeft, kRight, kUp, kDown})
            if (const auto moved = apply_move(before, end.snake, end.front, direction);
                moved && moved->puzzle == after)
                return true;
    return false;
}

} // namespace coilwend::fuzzing
