#pragma once
// The AudioBackend of the game: SDL2_mixer on the device that open_audio
// opened. Handles are the mixer's own pointers.

#include "audio/audio_backend.hpp"

namespace coilwend {

class MixerBackend final : public AudioBackend {
  public:
    ChunkHandle load_chunk(AudioBytes wav) override;
    void free_chunk(ChunkHandle chunk) override;
    void play_chunk(ChunkHandle chunk) override;
    void set_channel_volume(int volume) override;
    StreamHandle open_stream(AudioBytes data) override;
    void close_stream(StreamHandle stream) override;
    MusicHandle load_music(StreamHandle stream) override;
    void free_music(MusicHandle music) override;
    void play_music_looping(MusicHandle music) override;
    void set_music_volume(int volume) override;
    void pause_music() override;
    void resume_music() override;
};

} // namespace coilwend
