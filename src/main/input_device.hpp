#pragma once
// The loop's first look at a keyboard or controller event: presses record
// their device in the process-wide last input device.

#include "game/input_device.hpp"
#include "main/input_event.hpp"

namespace coilwend {

// False means the event goes no further (the system's key auto-repeat, which
// would otherwise repeat every command).
bool note_input(const InputEvent& event);

} // namespace coilwend
