#pragma once
// The audio device, opened through the mixer.

#include "main/sdl_handles.hpp"

#include <memory>

namespace coilwend {

// Starts SDL audio and the mixer (22050 Hz, 16-bit stereo). A mixer without
// Ogg Vorbis support is logged and tolerated; everything else is fatal.
std::unique_ptr<MixerSession> open_audio();

} // namespace coilwend
