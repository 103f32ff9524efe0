#pragma once
// What the user interface draws over a played level (its on-screen buttons).
// The scene flow says when; the user interface queues the widgets.

#include "game/board_camera.hpp"
#include "game/level_play.hpp"

namespace coilwend {

class LevelOverlay {
  public:
    virtual ~LevelOverlay() = default;
    // Every level pass after the board, and once more on the pass that
    // leaves a solved level.
    virtual void queue_level_buttons(const LevelPlay& play, const BoardCamera& camera) = 0;
};

} // namespace coilwend
