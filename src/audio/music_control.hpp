#pragma once
// What the scene flow asks of the music: a volume and the track that goes
// with a level's setting. Behind an interface so the flow runs silent in
// tests and until the music player exists.

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

// Volumes of the scene flow: quieter inside a level, full on the map.
inline constexpr int kLevelMusicVolume = 35;
inline constexpr int kMapMusicVolume = 127;

} // namespace coilwend
