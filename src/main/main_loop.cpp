#include "main/main_loop.hpp"

#include "game/log.hpp"
#include "graphics/gl_functions.hpp"
#include "main/input_device.hpp"
#include "main/screen_sizes.hpp"
#include "main/sdl_input.hpp"
#include "main/sound_switch.hpp"

#include <SDL_mixer.h>

namespace coilwend {
namespace {

// A pass takes at least this long; the sleep fills what is left of it.
constexpr Uint32 kFrameMilliseconds = 16;

struct LoopState {
    bool running = true;
    bool paused = false; // while the window is minimised
    Uint32 last_frame_ticks = 0;
    bool left_button_down = false;
    int mouse_x = 0;
    int mouse_y = 0;
    ScreenSizes sizes;
};

void handle_window_event(LoopState& loop, SDL_Window* window, const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        loop.sizes = read_screen_sizes(window);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        log_line("Paused!");
        Mix_PauseMusic();
        loop.paused = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
        log_line("Unpaused!");
        loop.paused = false;
        if (!sound_muted())
            Mix_ResumeMusic();
        break;
    default:
        break;
    }
}

// What every event gets whoever owns the input; false drops the event.
bool handle_globally(LoopState& loop, SDL_Window* window, const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        // The rest of this pass's events are still handled; the loop ends after it.
        loop.running = false;
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.windowID == SDL_GetWindowID(window))
            handle_window_event(loop, window, event.window);
        return true;
    case SDL_MOUSEBUTTONDOWN:
        set_last_input_device(InputDevice::Mouse);
        if (event.button.button == SDL_BUTTON_LEFT)
            loop.left_button_down = true;
        return true;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT)
            loop.left_button_down = false;
        return true;
    default:
        if (const auto input = to_input_event(event))
            return note_input(*input);
        return true;
    }
}

void clear_frame() {
    gl.ClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    gl.ClearDepth(1.0);
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

void pace(LoopState& loop) {
    const Uint32 elapsed = SDL_GetTicks() - loop.last_frame_ticks;
    if (elapsed < kFrameMilliseconds)
        SDL_Delay(kFrameMilliseconds - elapsed);
    loop.last_frame_ticks = SDL_GetTicks();
}

} // namespace

void run_main_loop(SDL_Window* window, EventPump& pump) {
    LoopState loop;
    loop.sizes = read_screen_sizes(window);
    SDL_Event event;
    while (loop.running) {
        SDL_GetMouseState(&loop.mouse_x, &loop.mouse_y);
        while (pump.poll(event))
            handle_globally(loop, window, event);
        clear_frame();
        if (loop.running && !loop.paused)
            SDL_GL_SwapWindow(window);
        pace(loop);
    }
}

} // namespace coilwend
