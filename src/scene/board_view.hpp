#pragma once
// What the scene controller draws a level with: one frame's input and the
// small interface the board renderer offers. Free of GL, so the controller
// can be tested with a recording stand-in.

#include "game/board_camera.hpp"
#include "game/move_event.hpp"
#include "game/puzzle.hpp"

#include <cstdint>
#include <optional>

namespace coilwend {

// Who the tutorial prompts speak to.
enum class PromptDevice : std::uint8_t { Mouse = 0, Keyboard = 1, Controller = 2 };

// A hint's arrow on the floor, from the end to move toward the cell it moves to.
struct HintArrow {
    Pos from;
    Direction direction;
    float strength = 1.0f; // fades from 1 to 0 at the end of its showing
    friend bool operator==(const HintArrow&, const HintArrow&) = default;
};

// Everything one frame of a level is drawn from.
struct BoardFrame {
    const Puzzle* puzzle = nullptr;   // the history entry being shown
    const MoveEvent* event = nullptr; // the animation being played; null or kind None: none
    std::uint64_t history_length = 0;
    std::optional<Selection> selection;
    PromptDevice prompts = PromptDevice::Mouse; // whom the tutorial overlays speak to
    std::optional<HintArrow> hint;
};

class BoardView {
  public:
    virtual ~BoardView() = default;
    // The window's size in screen units; the camera's aspect follows it.
    virtual void set_window_size(std::uint32_t width, std::uint32_t height) = 0;
    // Draws one frame into the system framebuffer, which the caller cleared.
    virtual void draw(const BoardFrame& frame) = 0;
    // True when drawing `frame` would put the very picture of the last draw
    // on screen again, so it may be skipped; false when unsure.
    virtual bool shows_same(const BoardFrame& frame) const {
        (void)frame;
        return false;
    }
    // The view of the last drawn level, for mapping the pointer to cells.
    virtual const BoardCamera& camera() const = 0;
};

} // namespace coilwend
