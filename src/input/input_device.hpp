#pragma once
// Which kind of device the player pressed last. Process-wide: the level
// buttons draw controller prompts by it, the board renderer picks its hints by
// it and a level start selects a snake unless it is the mouse. The loop sets
// it on every press through note_input; the scene flow only reads it.

#include "input/input_event.hpp"

#include <cstdint>

namespace coilwend {

enum class InputDevice : std::uint8_t { Mouse = 0, Keyboard = 1, Controller = 2 };

InputDevice last_input_device();
void set_last_input_device(InputDevice device);

// The loop's first look at a keyboard or controller event: presses record
// their device. False means the event goes no further (the system's key
// auto-repeat, which would otherwise repeat every command).
bool note_input(const InputEvent& event);

} // namespace coilwend
