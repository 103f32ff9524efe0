#pragma once
// Which kind of device the player pressed last. Process-wide: the level
// buttons draw controller prompts by it, the board renderer picks its hints by
// it and a level start selects a snake unless it is the mouse. The shell sets
// it on every press; the scene flow only reads it.

#include <cstdint>

namespace coilwend {

enum class InputDevice : std::uint8_t { Mouse = 0, Keyboard = 1, Controller = 2 };

InputDevice last_input_device();
void set_last_input_device(InputDevice device);

} // namespace coilwend
