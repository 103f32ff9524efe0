#include "audio/audio_system.hpp"

#include "audio/null_audio_backend.hpp"
#include "game/log.hpp"

namespace coilwend {
namespace {

AudioBackend*& installed_backend() {
    static AudioBackend* backend = nullptr;
    return backend;
}

bool& audio_in_use() {
    static bool used = false;
    return used;
}

AudioBackend& backend_in_use() {
    audio_in_use() = true;
    return audio_backend();
}

} // namespace

void install_audio_backend(AudioBackend& backend) {
    // A bank or player made earlier would keep playing into the old backend.
    if (audio_in_use())
        fatal("The audio backend was installed after the audio was first used");
    installed_backend() = &backend;
}

AudioBackend& audio_backend() {
    if (installed_backend() == nullptr) {
        static NullAudioBackend silent;
        return silent;
    }
    return *installed_backend();
}

SoundBank& sound_bank() {
    static SoundBank bank(backend_in_use());
    return bank;
}

MusicPlayer& music_player() {
    static MusicPlayer player(backend_in_use());
    return player;
}

} // namespace coilwend
