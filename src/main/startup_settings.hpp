#pragma once
// Start-up's settings step: the key bindings and the sound switch come from
// the settings file in the preferences directory, or keep their defaults.

#include <string>

namespace coilwend {

void load_startup_settings(const std::string& preferences_dir);

} // namespace coilwend
