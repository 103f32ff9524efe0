#pragma once
// An AudioBackend without a device: it keeps the state the mixer would have
// (volumes, pause, the playing music, open streams) and records what was
// played, so tests can check what the player would hear.

#include "audio/audio_backend.hpp"

#include <string>
#include <vector>

namespace coilwend {

class NullAudioBackend final : public AudioBackend {
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

    // The bytes each chunk was decoded from, in load order.
    std::vector<AudioBytes> loaded_chunks;
    // The source bytes of every chunk played, in order.
    std::vector<AudioBytes> played;
    // The source bytes of every music start, in order.
    std::vector<AudioBytes> music_starts;
    // The stream and music operations in call order, for checking that a
    // track change releases the old track correctly ("open 2", "free 1", ...).
    std::vector<std::string> music_calls;

    int channel_volume = kFullVolume;
    int music_volume = kFullVolume;
    bool music_paused = false;
    int live_chunks = 0; // loaded and not yet freed
    int open_streams = 0;

  private:
    std::vector<AudioBytes> streams_; // by handle - 1; closed ones stay
    std::vector<AudioBytes> musics_;  // the stream bytes of each music, by handle - 1
};

} // namespace coilwend
