#pragma once
// The looping music that follows the level selected on the overworld. Each
// level's setting (its surroundings) picks a track; the settings past the
// last track share the last one.

#include "audio/audio_backend.hpp"

#include <cstdint>
#include <optional>

namespace coilwend {

class MusicPlayer {
  public:
    // The backend must outlive the player.
    explicit MusicPlayer(AudioBackend& backend);
    MusicPlayer(const MusicPlayer&) = delete;
    MusicPlayer& operator=(const MusicPlayer&) = delete;

    // Starts the track of a setting from its beginning, replacing the one
    // playing. The scene flow calls it at start-up, after progress is reset
    // and when the selection comes to rest on a level of another setting.
    void play_music(std::uint8_t setting);
    // Entering (kLevelMusicVolume) or leaving (kFullVolume) a level; nothing
    // while the sound is switched off, so the music stays silent.
    void set_volume(int volume);

    // The setting whose track was last started, if any was.
    std::optional<std::uint8_t> setting() const;

  private:
    struct Track {
        StreamHandle stream;
        MusicHandle music;
        std::uint8_t setting;
    };
    AudioBackend& backend_;
    std::optional<Track> playing_;
};

} // namespace coilwend
