#include "main/startup_settings.hpp"

#include "game/log.hpp"
#include "main/keymap.hpp"

namespace coilwend {

void load_startup_settings(const std::string& preferences_dir) {
    log_line("Loading settings: " + preferences_dir + "settings");
    // Until the settings file is read here, the bindings keep their defaults;
    // touching them creates the table before the first frame needs it.
    keymap();
}

} // namespace coilwend
