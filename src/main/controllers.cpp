#include "main/controllers.hpp"

#include "game/log.hpp"
#include "main/embedded_assets.hpp"
#include "main/mapping_text.hpp"
#include "main/sdl_error.hpp"

#include <string>

namespace coilwend {
namespace {

void add_controller_mappings() {
    for (const std::string_view line : controller_mapping_lines(controller_mapping_text())) {
        const std::string mapping(line);
        if (SDL_GameControllerAddMapping(mapping.c_str()) < 0)
            fatal_sdl("Invalid controller mapping");
    }
}

} // namespace

OpenControllers open_game_controllers() {
    if (SDL_InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0)
        fatal_sdl("Couldn't get game controller subsystem");
    add_controller_mappings();

    OpenControllers controllers;
    const int count = SDL_NumJoysticks();
    for (int index = 0; index < count; ++index) {
        if (SDL_IsGameController(index) != SDL_TRUE)
            continue;
        ControllerHandle controller(SDL_GameControllerOpen(index));
        if (!controller) {
            // A controller that vanished or is busy is not worth stopping for.
            log_line(std::string("Couldn't open game controller: ") + SDL_GetError(),
                     LogLevel::Error);
            continue;
        }
        const char* name = SDL_GameControllerName(controller.get());
        log_line(std::string("Detected game controller: ") + (name != nullptr ? name : ""));
        controllers.push_back(std::move(controller));
    }
    return controllers;
}

} // namespace coilwend
