#pragma once
// Level-play input: which command a key, controller button or stick event
// means, and the hold-to-repeat of the commands that repeat while held
// (Undo and the four moves). Pure: it only reads the keymap and updates the
// hold fields of LevelPlay; the caller runs the resulting command.

#include "game/level_play.hpp"
#include "main/input_event.hpp"
#include "main/keymap.hpp"

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
};

// The first binding that matches, in level-play order: Android back or exit,
// undo, reset, next, previous, up, down, left, right. Enter means nothing here.
LevelCommand level_key_command(Keycode key, const Keymap& keys);
// The fixed controller buttons of level play.
LevelCommand level_button_command(ControllerButton button);
// The run_command code of a command that repeats while held.
std::optional<std::uint8_t> held_command_code(LevelCommand command);

// Passes between the press and the first repeat, and between later repeats.
inline constexpr std::uint32_t kFirstRepeatDelay = 25;
inline constexpr std::uint32_t kRepeatInterval = 10;

enum class LevelActionKind : std::uint8_t { None, Leave, Run, Reset, NextSnake, PreviousSnake };

struct LevelAction {
    LevelActionKind kind = LevelActionKind::None;
    std::uint8_t code = 0; // Run: the run_command code
    friend bool operator==(const LevelAction&, const LevelAction&) = default;
};

// Starts (or re-arms) the hold of a command; true when it must run now, which
// is unless that same command is already held.
bool press_hold(LevelPlay& play, std::uint8_t code);
// Ends the hold if the released input's command is the one held.
void release_hold(LevelPlay& play, std::uint8_t code);

// Translates one event during level play and updates the hold fields.
LevelAction level_action(LevelPlay& play, const InputEvent& event, const Keymap& keys);

// Once per pass of the scene: the held command when its countdown has run
// out (the countdown then restarts at the repeat interval), else nothing.
std::optional<std::uint8_t> due_repeat(LevelPlay& play);

} // namespace coilwend
