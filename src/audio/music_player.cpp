#include "audio/music_player.hpp"

#include "audio/sound_switch.hpp"

#include <algorithm>

namespace coilwend {
namespace {

std::size_t music_track(std::uint8_t setting) {
    return std::min<std::size_t>(setting, embedded_music().size() - 1);
}

} // namespace

MusicPlayer::MusicPlayer(AudioBackend& backend) : backend_(backend) {}

void MusicPlayer::play_music(std::uint8_t setting) {
    const StreamHandle stream = backend_.open_stream(embedded_music()[music_track(setting)]);
    // The old music reads from its stream until it is freed.
    if (playing_) {
        backend_.free_music(playing_->music);
        backend_.close_stream(playing_->stream);
    }
    playing_ = Track{stream, backend_.load_music(stream), setting};
    backend_.play_music_looping(playing_->music);
    // Starting music ends a pause, but while the sound is off the music is
    // kept paused (a settings file with the sound off is read before the
    // first track starts), so switching the sound on resumes it.
    if (sound_muted())
        backend_.pause_music();
}

void MusicPlayer::set_volume(int volume) {
    if (!sound_muted())
        backend_.set_music_volume(volume);
}

std::optional<std::uint8_t> MusicPlayer::setting() const {
    if (!playing_)
        return std::nullopt;
    return playing_->setting;
}

} // namespace coilwend
