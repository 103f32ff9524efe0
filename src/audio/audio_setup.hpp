#pragma once
// The audio device, opened through the mixer.

#include <memory>

namespace coilwend {

// The audio device opened through the mixer; closed, and the mixer's decoders
// released, at the end.
class MixerSession {
  public:
    MixerSession() = default;
    MixerSession(const MixerSession&) = delete;
    MixerSession& operator=(const MixerSession&) = delete;
    ~MixerSession();
};

// Starts SDL audio and the mixer (22050 Hz, 16-bit stereo). A mixer without
// Ogg Vorbis support is logged and tolerated, and so is a missing sound
// device (the game then plays in silence); everything else is fatal.
std::unique_ptr<MixerSession> open_audio();

} // namespace coilwend
