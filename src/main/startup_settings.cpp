#include "main/startup_settings.hpp"

#include "audio/audio_system.hpp"
#include "audio/sound_switch.hpp"
#include "settings/settings_file.hpp"
#include "storage/preferences_file.hpp"

namespace coilwend {

void load_startup_settings(const std::string& preferences_dir) {
    PreferencesFile file(preferences_dir, "settings");
    // The mixer follows the file only when it says something about the sound;
    // otherwise the device keeps the state it was opened with.
    if (load_settings(file).sound_muted)
        apply_sound_state(audio_backend());
}

} // namespace coilwend
