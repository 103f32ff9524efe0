#include "audio/sound_switch.hpp"

namespace coilwend {
namespace {

bool& stored_muted() {
    static bool muted = false;
    return muted;
}

} // namespace

bool sound_muted() {
    return stored_muted();
}

void set_sound_muted(bool muted) {
    stored_muted() = muted;
}

void apply_sound_state(AudioBackend& backend) {
    const int volume = sound_muted() ? 0 : kFullVolume;
    backend.set_music_volume(volume);
    backend.set_channel_volume(volume);
    if (sound_muted())
        backend.pause_music();
    else
        backend.resume_music();
}

void toggle_sound(AudioBackend& backend, const std::function<void()>& save_settings) {
    set_sound_muted(!sound_muted());
    apply_sound_state(backend);
    save_settings();
}

void resume_music_unless_muted(AudioBackend& backend) {
    if (!sound_muted())
        backend.resume_music();
}

} // namespace coilwend
