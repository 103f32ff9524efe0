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
    // playing. At start-up and after progress is reset.
    void play_music(std::uint8_t setting);
    // For a selection move: restarts only when the setting differs from the
    // one whose track was last started, so neighbours in the same
    // surroundings keep the music going.
    void follow_selection(std::uint8_t setting);
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
