// The start-up cost of audio on SDL's dummy driver: decoding the whole sound
// bank (paid by the first cue of the run) and starting a music track (paid at
// start-up and on every change of surroundings).

#include "audio/audio_setup.hpp"
#include "audio/mixer_backend.hpp"
#include "audio/music_player.hpp"
#include "audio/sound_bank.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <memory>

using namespace coilwend;

namespace {

MixerBackend& opened_mixer() {
    static const std::unique_ptr<MixerSession> session = [] {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        return open_audio();
    }();
    static MixerBackend backend;
    return backend;
}

} // namespace

// The bank keeps its chunks for the whole run, so every iteration leaves one
// decoded bank behind; the iteration count stays small.
static void BM_DecodeSoundBank(benchmark::State& state) {
    MixerBackend& backend = opened_mixer();
    for (auto _ : state) {
        SoundBank bank(backend);
        bank.play_sound(0);
    }
}
BENCHMARK(BM_DecodeSoundBank)->Unit(benchmark::kMillisecond)->Iterations(20);

static void BM_StartMusicTrack(benchmark::State& state) {
    MusicPlayer player(opened_mixer());
    std::uint8_t setting = 0;
    for (auto _ : state) {
        player.play_music(setting);
        setting = static_cast<std::uint8_t>((setting + 1) % 5);
    }
}
BENCHMARK(BM_StartMusicTrack)->Unit(benchmark::kMillisecond);
