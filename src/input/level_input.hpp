#pragma once
// Level-play input: which command a key, controller button or stick event
// means, and carrying it out on the played level. Translation is separate
// from execution so the tables can be checked without playing.

#include "game/level_play.hpp"
#include "input/input_event.hpp"
#include "input/keymap.hpp"

#include <cstdint>
#include <optional>

namespace coilwend {

enum class LevelCommand : std::uint8_t {
    None,
    Leave,
    Undo,
    Reset,
    NextSnake,
    PreviousSnake,
    Up,
    Down,
    Left,
    Right,
    Hint,
    Redo,
};

// The first binding that matches, in level-play order: Android back or exit,
// undo, reset, next, previous, up, down, left, right, hint. Enter means
// nothing here. Redo has fixed keys (Ctrl+Y, Shift+Z): see level_action.
LevelCommand level_key_command(Keycode key, const Keymap& keys);
// The fixed controller buttons of level play.
LevelCommand level_button_command(ControllerButton button);
// The run_command code of a command that repeats while held (Undo and the moves).
std::optional<std::uint8_t> held_command_code(LevelCommand command);

enum class LevelActionKind : std::uint8_t {
    None,
    Leave,
    Reset,
    NextSnake,
    PreviousSnake,
    PressHeld,   // run `code` unless it is held already, and (re)start its hold
    ReleaseHeld, // end the hold if `code` is the held command
    Hint,        // the scene shows a hint (apply_level_action answers ShowHint)
    Redo,
};

struct LevelAction {
    LevelActionKind kind = LevelActionKind::None;
    std::uint8_t code = 0; // PressHeld, ReleaseHeld: the run_command code
    friend bool operator==(const LevelAction&, const LevelAction&) = default;
};

// Which left-stick axes were last seen beyond the threshold, and the hold the
// stick started. Coming back from there the stick ends that hold only: not
// one a key or button started, and not on the small values an idle stick
// keeps reporting.
struct StickPush {
    bool horizontal = false;
    bool vertical = false;
    std::uint8_t hold = 0; // the command code of the stick's hold; 0 for none
    bool hold_horizontal = false;
};

// What one event means during level play. Reads the hold state because a
// stick only starts a move while nothing is held.
LevelAction level_action(const LevelPlay& play, StickPush& stick, const InputEvent& event,
                         const Keymap& keys);

enum class LevelOutcome : std::uint8_t { Stay, Leave, ShowHint };

// Carries out an action on the played level; Leave asks the caller to leave
// it, ShowHint to show a hint (which needs the level's solver graph).
LevelOutcome apply_level_action(LevelPlay& play, const LevelAction& action);

} // namespace coilwend
