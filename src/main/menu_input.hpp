#pragma once
// The menu in the main loop: the on-screen button that opens it over the
// map, the events it owns while open, the results it hands back (quit,
// reset progress, the sound switch, new bindings) and its drawing.

#include "input/keymap.hpp"
#include "scene/game.hpp"
#include "storage/stored_file.hpp"
#include "ui/ui_context.hpp"
#include "ui/ui_event.hpp"

#include <SDL.h>

#include <optional>
#include <string>

namespace coilwend {

// A key's caption: the platform's key name, "?" for an unnamed key.
std::string key_caption(Keycode code);

// Left-button presses, releases and pointer motion, or a key or controller event.
std::optional<UiEvent> to_ui_event(const SDL_Event& event);

// The menu button on the overworld; true when it took the event.
bool route_to_menu_button(Game& game, UiContext& context, const SDL_Event& event);

enum class MenuOutcome : std::uint8_t { Continue, Quit };

// An event while the menu is open; `settings` is written when a setting changes.
MenuOutcome route_to_menu(Game& game, UiContext& context, StoredFile& settings,
                          const SDL_Event& event);

// Queues the open menu, or the menu button while the map is shown.
void draw_menu(Game& game, UiContext& context);

} // namespace coilwend
