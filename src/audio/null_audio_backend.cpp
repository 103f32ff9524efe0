#include "audio/null_audio_backend.hpp"

#include "game/log.hpp"

namespace coilwend {
namespace {

// Handles count from 1 so that a zero handle never names anything.
template <typename Handle> Handle handle_after(std::size_t count) {
    return static_cast<Handle>(count);
}

template <typename Handle> std::size_t index_of(Handle handle, std::size_t count) {
    const auto value = static_cast<std::size_t>(handle);
    if (value == 0 || value > count)
        fatal("Unknown audio handle");
    return value - 1;
}

std::string call(const char* what, std::uintptr_t handle) {
    return std::string(what) + " " + std::to_string(handle);
}

} // namespace

ChunkHandle NullAudioBackend::load_chunk(AudioBytes wav) {
    loaded_chunks.push_back(wav);
    ++live_chunks;
    return handle_after<ChunkHandle>(loaded_chunks.size());
}

void NullAudioBackend::free_chunk(ChunkHandle chunk) {
    index_of(chunk, loaded_chunks.size()); // a handle it never gave stops the test
    --live_chunks;
}

void NullAudioBackend::play_chunk(ChunkHandle chunk) {
    played.push_back(loaded_chunks[index_of(chunk, loaded_chunks.size())]);
}

void NullAudioBackend::set_channel_volume(int volume) {
    channel_volume = volume;
}

StreamHandle NullAudioBackend::open_stream(AudioBytes data) {
    streams_.push_back(data);
    ++open_streams;
    music_calls.push_back(call("open", streams_.size()));
    return handle_after<StreamHandle>(streams_.size());
}

void NullAudioBackend::close_stream(StreamHandle stream) {
    index_of(stream, streams_.size());
    --open_streams;
    music_calls.push_back(call("close", static_cast<std::uintptr_t>(stream)));
}

MusicHandle NullAudioBackend::load_music(StreamHandle stream) {
    musics_.push_back(streams_[index_of(stream, streams_.size())]);
    music_calls.push_back(call("load", musics_.size()));
    return handle_after<MusicHandle>(musics_.size());
}

void NullAudioBackend::free_music(MusicHandle music) {
    index_of(music, musics_.size());
    music_calls.push_back(call("free", static_cast<std::uintptr_t>(music)));
}

void NullAudioBackend::play_music_looping(MusicHandle music) {
    music_starts.push_back(musics_[index_of(music, musics_.size())]);
    // As with the mixer, starting music ends a pause.
    music_paused = false;
}

void NullAudioBackend::set_music_volume(int volume) {
    music_volume = volume;
}

void NullAudioBackend::pause_music() {
    music_paused = true;
}

void NullAudioBackend::resume_music() {
    music_paused = false;
}

} // namespace coilwend
