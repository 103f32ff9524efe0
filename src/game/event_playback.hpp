#pragma once
// Per-frame life of a played level: how a level starts, how held commands
// repeat, and how the queued animations advance one frame at a time. Timings
// count passes of the main loop (about 60 per second).

#include "game/level_play.hpp"

namespace coilwend {

enum class StartSelection { FirstSnake, None };

// A fresh LevelPlay for the level's starting puzzle with its opening
// animation queued; the first snake that is not a companion is selected, led
// by its last cell, unless the player is using the mouse.
LevelPlay start_level(const Puzzle& start, StartSelection selection);

// Begins holding a repeatable command (undo or a move): runs it at once
// unless it is already the held one, then arms the repeat.
void press_held_command(LevelPlay& play, std::uint8_t code);
// Ends the hold when the released input's command is the held one.
void release_held_command(LevelPlay& play, std::uint8_t code);
// One pass of the hold: repeats the command when the countdown runs out.
void repeat_held_command(LevelPlay& play);
// One pass of the pulse shown while no snake can move.
void step_stuck_phase(LevelPlay& play);

// Advances the front animation by one pass and drops it when it is done.
void advance_front_event(LevelPlay& play);

// The level is solved once every animation has played out on a complete puzzle.
bool level_solved(const LevelPlay& play);

// The history entry the renderer should draw: the front event's, or the current one.
const HistoryEntry& shown_entry(const LevelPlay& play);

} // namespace coilwend
