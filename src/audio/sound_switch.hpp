#pragma once
// The player's sound switch, process-wide: true while the sound is off. The
// settings file stores it; switching it silences or restores the mixer.

#include "audio/audio_backend.hpp"

#include <functional>

namespace coilwend {

bool sound_muted();
void set_sound_muted(bool muted);

// Puts the mixer in the state the switch asks for: off means both volumes 0
// and the music paused; on means both volumes full and the music resumed,
// even inside a level, where the next level change sets the music volume
// again. The settings loader calls this after reading the switch.
void apply_sound_state(AudioBackend& backend);

// The menu's sound item: flips the switch, applies it and saves the settings
// through save_settings.
void toggle_sound(AudioBackend& backend, const std::function<void()>& save_settings);

// The window was restored from a minimise: the music goes on unless the
// sound is off.
void resume_music_unless_muted(AudioBackend& backend);

} // namespace coilwend
