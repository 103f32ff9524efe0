#pragma once
// Owning handles for the SDL and mixer objects the shell keeps for the whole
// run. Their destructors run in reverse order of declaration at the end of
// run_game, which gives the shutdown order: controllers, mixer (its session
// lives in audio/audio_setup.hpp), GL context, window, SDL itself.

#include <SDL.h>

#include <memory>
#include <vector>

namespace coilwend {

// SDL_Init(0) succeeded; SDL_Quit at the end.
class SdlLibrary {
  public:
    SdlLibrary() = default;
    SdlLibrary(const SdlLibrary&) = delete;
    SdlLibrary& operator=(const SdlLibrary&) = delete;
    ~SdlLibrary() { SDL_Quit(); }
};

struct WindowDeleter {
    void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowHandle = std::unique_ptr<SDL_Window, WindowDeleter>;

struct GlContextDeleter {
    void operator()(void* context) const { SDL_GL_DeleteContext(context); }
};
using GlContextHandle = std::unique_ptr<void, GlContextDeleter>;

struct ControllerDeleter {
    void operator()(SDL_GameController* controller) const { SDL_GameControllerClose(controller); }
};
using ControllerHandle = std::unique_ptr<SDL_GameController, ControllerDeleter>;
using OpenControllers = std::vector<ControllerHandle>;

} // namespace coilwend
