#pragma once
// The sound effects, decoded on the first cue of the run and kept until the
// bank goes, at the program's end. The bank is the SoundCues that the level rules play through: set
// LevelPlay::sounds to it.

#include "audio/audio_backend.hpp"
#include "game/sound_cues.hpp"

#include <cstdint>
#include <vector>

namespace coilwend {

class SoundBank final : public SoundCues {
  public:
    // The backend must outlive the bank.
    explicit SoundBank(AudioBackend& backend);
    // Frees the decoded sounds through the backend.
    ~SoundBank() override;
    SoundBank(const SoundBank&) = delete;
    SoundBank& operator=(const SoundBank&) = delete;

    // Plays a cue once; cues past the last sound play the last sound.
    void play_sound(std::uint8_t cue);
    void play(std::uint8_t cue) override { play_sound(cue); }

  private:
    AudioBackend& backend_;
    std::vector<ChunkHandle> chunks_; // empty until the first cue
};

} // namespace coilwend
