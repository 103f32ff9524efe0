#pragma once
// The left mouse button during level play: pressing on a snake's end selects
// it, dragging steers the selected end toward the pointer, and releasing
// either keeps the selection (a click) or drops it (the end of a drag).
// Positions are in window units, as the board camera measures them.

#include "game/level_play.hpp"

#include <cstdint>
#include <optional>

namespace coilwend {

// The end whose cell is `cell`: a snake's last cell (front false) or, for a
// two-headed snake, its first cell (front true); the first snake in index
// order wins, and its last cell before its first.
std::optional<Selection> snake_end_at(const Puzzle& puzzle, Pos cell);

// The camera is the one the level is shown with.
void pointer_pressed(LevelPlay& play, const BoardCamera& camera, std::uint32_t x, std::uint32_t y);
void pointer_dragged(LevelPlay& play, const BoardCamera& camera, std::uint32_t x, std::uint32_t y);
void pointer_released(LevelPlay& play, const BoardCamera& camera, std::uint32_t x, std::uint32_t y);

} // namespace coilwend
