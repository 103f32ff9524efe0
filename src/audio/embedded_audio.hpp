#pragma once
// The sound and music files compiled into the program.

#include <cstddef>
#include <span>

namespace coilwend {

using AudioBytes = std::span<const unsigned char>;

// The fifteen WAV sound effects, indexed by sound cue.
std::span<const AudioBytes> embedded_sounds();
// The five Ogg Vorbis music tracks, indexed by track number.
std::span<const AudioBytes> embedded_music();

} // namespace coilwend
