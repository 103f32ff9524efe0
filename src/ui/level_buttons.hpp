#pragma once
// The three buttons over a played level: undo and reset in a column right of
// the board, back in the top-left corner, grey-pulsing while the player is
// stuck, with the controller's button prompts beside them when the
// controller was used last.

#include "game/board_camera.hpp"
#include "game/level_play.hpp"
#include "input/input_device.hpp"
#include "input/level_input.hpp"
#include "scene/level_overlay.hpp"
#include "ui/ui_context.hpp"
#include "ui/ui_event.hpp"

#include <optional>

namespace coilwend {

inline constexpr std::uint8_t kUndoIcon = 0;
inline constexpr std::uint8_t kResetIcon = 1;
inline constexpr std::uint8_t kBackIcon = 5;
inline constexpr std::uint8_t kRedoIcon = 8;
inline constexpr float kLevelButtonSize = 0.1f;

// Positions in the widgets' fractions; x of the column is always negative
// (even -0.0) so it is measured from the right edge.
struct LevelButtonPlacement {
    float column_x = -0.0f;
    float undo_y = 0, reset_y = 0, redo_y = 0;
    float back_x = 0.01f, back_y = 0.01f;
};

LevelButtonPlacement level_button_placement(const BoardCamera& camera, UiSize ui);

// The buttons' grey level for the stuck pulse phase: 1 when not stuck, else
// pulsing between 0.3 (phase 25) and 0.825 (phase 0).
float level_button_grey(std::optional<std::uint32_t> stuck);

struct LevelButtonsResult {
    LevelAction action; // what the button asks of the level, as its key would
    bool taken = false; // the event belongs to the buttons and goes no further
};

// With an event: hit-tests it. A press on undo acts like holding the undo
// key, a click on undo releases that hold, a click on reset resets, a click
// on back leaves. Pointer events that start, continue or end on a button
// are taken. Without an event: queues the buttons (and prompts) for drawing.
// A click on redo redoes. With `help` from a hint in a dead end, the undo
// button pulses and shows how many undos lead out.
LevelButtonsResult level_buttons(UiContext& context, const LevelPlay& play,
                                 const BoardCamera& camera, const UiEvent* event,
                                 InputDevice device, const LevelHelp& help = {});

} // namespace coilwend

namespace coilwend {

// The scene flow's hook: queues the buttons for the end-of-frame pass,
// with prompts for the device the player used last.
class LevelButtonsOverlay final : public LevelOverlay {
  public:
    explicit LevelButtonsOverlay(UiContext& context) : context_(context) {}
    void queue_level_buttons(const LevelPlay& play, const BoardCamera& camera,
                             const LevelHelp& help) override {
        level_buttons(context_, play, camera, nullptr, last_input_device(), help);
    }

  private:
    UiContext& context_;
};

} // namespace coilwend
