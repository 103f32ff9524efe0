#include "audio/audio_setup.hpp"

#include "audio/mixer_error.hpp"
#include "game/log.hpp"

#include <SDL.h>
#include <SDL_mixer.h>

namespace coilwend {

MixerSession::~MixerSession() {
    Mix_CloseAudio();
    Mix_Quit();
}

std::unique_ptr<MixerSession> open_audio() {
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        fatal_mixer("Couldn't get audio subsystem");
    constexpr int kWanted = MIX_INIT_OGG;
    const int initialised = Mix_Init(kWanted);
    if ((initialised & kWanted) != kWanted) {
        // The game still runs, silently where it would play music.
        SDL_SetError("Could not init: ogg");
        log_line(SDL_GetError(), LogLevel::Error);
    }
    if (Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) != 0)
        fatal_mixer("Couldn't open audio");
    return std::make_unique<MixerSession>();
}

} // namespace coilwend
