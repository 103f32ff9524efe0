#pragma once
// The rules ask for sounds by cue index; the audio layer (or a test recorder)
// decides what a cue sounds like.

#include <cstdint>

namespace coilwend {

namespace cue {
inline constexpr std::uint8_t kMove0 = 0, kMove1 = 1, kMove2 = 2;
inline constexpr std::uint8_t kGrow = 3, kShrink = 4, kShrinkVanish = 5;
inline constexpr std::uint8_t kUndo = 6, kReset = 7, kSplash = 8, kBump = 9, kExit = 10;
inline constexpr std::uint8_t kTargetLeft = 11, kTargetReached = 12;
inline constexpr std::uint8_t kAllCovered = 13, kNoLongerCovered = 14;
} // namespace cue

class SoundCues {
  public:
    virtual ~SoundCues() = default;
    virtual void play(std::uint8_t cue) = 0;
};

} // namespace coilwend
