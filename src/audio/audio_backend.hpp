#pragma once
// The few mixer operations the game uses, behind one interface so the sound
// bank, the music player and the sound switch can be tested without an audio
// device. MixerBackend speaks to SDL2_mixer; NullAudioBackend records.
//
// Handles are the backend's own tokens. Every failure the mixer can report
// here (a stream that cannot be made or closed, data that does not decode,
// music that will not start) ends the program in the backend.

#include "audio/embedded_audio.hpp"

#include <cstdint>

namespace coilwend {

enum class ChunkHandle : std::uintptr_t {};
enum class StreamHandle : std::uintptr_t {};
enum class MusicHandle : std::uintptr_t {};

// Full mixer volume; the music drops to kLevelMusicVolume inside a level.
inline constexpr int kFullVolume = 127;
inline constexpr int kLevelMusicVolume = 35;

class AudioBackend {
  public:
    virtual ~AudioBackend() = default;

    // Decodes a whole sound effect through a temporary read-only stream.
    virtual ChunkHandle load_chunk(AudioBytes wav) = 0;
    // Plays once on the first free channel; dropped when every channel is busy.
    virtual void play_chunk(ChunkHandle chunk) = 0;
    // Releases a decoded sound effect; it may no longer be played.
    virtual void free_chunk(ChunkHandle chunk) = 0;
    // The volume of every channel, 0 to 127.
    virtual void set_channel_volume(int volume) = 0;

    // Music decodes as it plays, so its stream stays open while the music
    // exists: open the stream, decode, and later free the music before
    // closing the stream.
    virtual StreamHandle open_stream(AudioBytes data) = 0;
    virtual void close_stream(StreamHandle stream) = 0;
    virtual MusicHandle load_music(StreamHandle stream) = 0;
    virtual void free_music(MusicHandle music) = 0;
    // Starts the music from its beginning in an endless loop. Starting music
    // also ends a pause.
    virtual void play_music_looping(MusicHandle music) = 0;
    virtual void set_music_volume(int volume) = 0;
    virtual void pause_music() = 0;
    virtual void resume_music() = 0;
};

} // namespace coilwend
