#pragma once
// Shows fatal errors to the player in an SDL message box.

namespace coilwend {

// Installs the message box as the fatal-error presenter. When no box can be
// shown (no display, no video driver) the error has still been logged and
// the program still exits with a failure status.
void install_panic_box();

} // namespace coilwend
