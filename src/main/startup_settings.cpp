#include "main/startup_settings.hpp"

#include "game/preferences_file.hpp"
#include "settings/settings_file.hpp"

#include <SDL_mixer.h>

namespace coilwend {
namespace {

// The game's full volume, one step below the mixer's ceiling.
constexpr int kSoundOnVolume = 127;

void apply_sound_state(bool muted) {
    const int volume = muted ? 0 : kSoundOnVolume;
    Mix_VolumeMusic(volume);
    Mix_Volume(-1, volume);
    if (muted)
        Mix_PauseMusic();
    else
        Mix_ResumeMusic();
}

} // namespace

void load_startup_settings(const std::string& preferences_dir) {
    PreferencesFile file(preferences_dir, "settings");
    // The mixer follows the file only when it says something about the sound;
    // otherwise the device keeps the state it was opened with.
    if (const auto muted = load_settings(file).sound_muted)
        apply_sound_state(*muted);
}

} // namespace coilwend
