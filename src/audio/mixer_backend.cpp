#include "audio/mixer_backend.hpp"

#include "audio/mixer_error.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

namespace coilwend {
namespace {

template <typename Handle> Handle to_handle(const void* pointer) {
    return static_cast<Handle>(reinterpret_cast<std::uintptr_t>(pointer));
}

template <typename Pointer, typename Handle> Pointer* from_handle(Handle handle) {
    return reinterpret_cast<Pointer*>(static_cast<std::uintptr_t>(handle));
}

SDL_RWops* read_only_stream(AudioBytes bytes) {
    SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
    if (stream == nullptr)
        fatal_mixer("Couldn't open audio data");
    return stream;
}

void close(SDL_RWops* stream) {
    if (SDL_RWclose(stream) != 0)
        fatal_mixer("Couldn't close audio data");
}

} // namespace

ChunkHandle MixerBackend::load_chunk(AudioBytes wav) {
    SDL_RWops* stream = read_only_stream(wav);
    Mix_Chunk* chunk = Mix_LoadWAV_RW(stream, 0);
    if (chunk == nullptr)
        fatal_mixer("Couldn't decode sound");
    close(stream);
    return to_handle<ChunkHandle>(chunk);
}

void MixerBackend::free_chunk(ChunkHandle chunk) {
    Mix_FreeChunk(from_handle<Mix_Chunk>(chunk));
}

void MixerBackend::play_chunk(ChunkHandle chunk) {
    // -1 when every channel is busy: the cue is simply not heard.
    Mix_PlayChannelTimed(-1, from_handle<Mix_Chunk>(chunk), 0, -1);
}

void MixerBackend::set_channel_volume(int volume) {
    Mix_Volume(-1, volume);
}

StreamHandle MixerBackend::open_stream(AudioBytes data) {
    return to_handle<StreamHandle>(read_only_stream(data));
}

void MixerBackend::close_stream(StreamHandle stream) {
    close(from_handle<SDL_RWops>(stream));
}

MusicHandle MixerBackend::load_music(StreamHandle stream) {
    Mix_Music* music = Mix_LoadMUS_RW(from_handle<SDL_RWops>(stream), 0);
    if (music == nullptr)
        fatal_mixer("Couldn't decode music");
    return to_handle<MusicHandle>(music);
}

void MixerBackend::free_music(MusicHandle music) {
    Mix_FreeMusic(from_handle<Mix_Music>(music));
}

void MixerBackend::play_music_looping(MusicHandle music) {
    if (Mix_PlayMusic(from_handle<Mix_Music>(music), -1) == -1)
        fatal_mixer("Couldn't play music");
}

void MixerBackend::set_music_volume(int volume) {
    Mix_VolumeMusic(volume);
}

void MixerBackend::pause_music() {
    Mix_PauseMusic();
}

void MixerBackend::resume_music() {
    Mix_ResumeMusic();
}

} // namespace coilwend
