#include "audio/audio_setup.hpp"

#include "audio/mixer_error.hpp"
#include "game/log.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

#include <string>

namespace coilwend {

MixerSession::~MixerSession() {
    Mix_CloseAudio();
    Mix_Quit();
}

namespace {

bool open_device() {
    return SDL_InitSubSystem(SDL_INIT_AUDIO) == 0 &&
           Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) == 0;
}

} // namespace

std::unique_ptr<MixerSession> open_audio() {
    constexpr int kWanted = MIX_INIT_OGG;
    const int initialised = Mix_Init(kWanted);
    if ((initialised & kWanted) != kWanted) {
        // The game still runs, silently where it would play music.
        SDL_SetError("Could not init: ogg");
        log_line(SDL_GetError(), LogLevel::Error);
    }
    if (!open_device()) {
        // A machine without a sound device (or a mistyped SDL_AUDIODRIVER)
        // still plays: SDL's dummy driver takes the sound and music, so the
        // rest of the game needs no silent mode of its own.
        log_line("No sound device, playing in silence: " + std::string(Mix_GetError()));
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
        if (!open_device())
            fatal_mixer("Couldn't open audio");
    }
    return std::make_unique<MixerSession>();
}

} // namespace coilwend
