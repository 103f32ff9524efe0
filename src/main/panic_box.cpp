#include "main/panic_box.hpp"

#include "game/log.hpp"

#include <SDL.h>

namespace coilwend {
namespace {

void show_panic_box(const std::string& text) {
    if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, "Oh no", text.c_str(), nullptr) != 0) {
        // Nowhere to show it: the log already holds the text.
        SDL_ClearError();
    }
}

} // namespace

void install_panic_box() {
    set_panic_presenter(&show_panic_box);
}

} // namespace coilwend
