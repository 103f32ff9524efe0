#pragma once
// What the scene flow asks of the music: a volume and the track that goes
// with a level's setting. Behind an interface so the flow runs silent in
// tests and until the music player exists.

#include "audio/audio_backend.hpp"
#include "audio/music_player.hpp"

#include <cstdint>

namespace coilwend {

class MusicControl {
  public:
    virtual ~MusicControl() = default;
    // 0..128, as the mixer counts it.
    virtual void set_volume(int volume) = 0;
    // Starts the looping track of a level setting (0..4), from its beginning.
    virtual void play_setting(std::uint8_t setting) = 0;
};

// Plays nothing.
class NullMusic final : public MusicControl {
  public:
    void set_volume(int) override {}
    void play_setting(std::uint8_t) override {}
};

// The music player of the running game behind the flow's interface.
class PlayerMusic final : public MusicControl {
  public:
    explicit PlayerMusic(MusicPlayer& player) : player_(player) {}
    void set_volume(int volume) override { player_.set_volume(volume); }
    void play_setting(std::uint8_t setting) override { player_.play_music(setting); }

  private:
    MusicPlayer& player_;
};

} // namespace coilwend
