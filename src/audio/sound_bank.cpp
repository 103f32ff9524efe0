#include "audio/sound_bank.hpp"

#include <algorithm>

namespace coilwend {

SoundBank::SoundBank(AudioBackend& backend) : backend_(backend) {}

SoundBank::~SoundBank() {
    for (const ChunkHandle chunk : chunks_)
        backend_.free_chunk(chunk);
}

void SoundBank::play_sound(std::uint8_t cue) {
    // Decoding all of them at once keeps the cost in one place, before the
    // first move rather than spread over the first few.
    if (chunks_.empty()) {
        for (const AudioBytes wav : embedded_sounds())
            chunks_.push_back(backend_.load_chunk(wav));
    }
    backend_.play_chunk(chunks_[std::min<std::size_t>(cue, chunks_.size() - 1)]);
}

} // namespace coilwend
