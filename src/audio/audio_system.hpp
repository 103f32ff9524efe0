#pragma once
// The process-wide audio: one backend, one sound bank and one music player,
// made on first use. Start-up installs the mixer backend once the device is
// open; until then (and in tests and tools) a silent NullAudioBackend serves,
// so the rules can always play cues.

#include "audio/audio_backend.hpp"
#include "audio/music_player.hpp"
#include "audio/sound_bank.hpp"

namespace coilwend {

// Must come before the first use of sound_bank() or music_player(), and the
// backend must live until the program ends.
void install_audio_backend(AudioBackend& backend);
AudioBackend& audio_backend();
SoundBank& sound_bank();
MusicPlayer& music_player();

} // namespace coilwend
