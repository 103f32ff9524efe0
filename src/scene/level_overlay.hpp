#pragma once
// What the user interface draws over a played level (its on-screen buttons).
// The scene flow says when; the user interface queues the widgets.

#include "game/board_camera.hpp"
#include "game/level_play.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>

namespace coilwend {

// What a hint asked of the buttons: in a dead end the undo button pulses
// and shows how many undos lead back to a position that can still be finished.
struct LevelHelp {
    std::optional<std::size_t> undos_needed;
    std::uint32_t pulse = 0; // passes since the hint, for the pulse
};

class LevelOverlay {
  public:
    virtual ~LevelOverlay() = default;
    // Every level pass after the board, and once more on the pass that
    // leaves a solved level.
    virtual void queue_level_buttons(const LevelPlay& play, const BoardCamera& camera,
                                     const LevelHelp& help) = 0;
};

} // namespace coilwend
