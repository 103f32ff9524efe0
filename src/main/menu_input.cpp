#include "main/menu_input.hpp"

#include "audio/audio_system.hpp"
#include "audio/sound_switch.hpp"
#include "main/sdl_input.hpp"
#include "main/version.hpp"
#include "settings/settings_file.hpp"
#include "ui/menu.hpp"
#include "ui/widgets.hpp"

namespace coilwend {
namespace {

constexpr std::uint8_t kMenuButtonIcon = 2;
constexpr float kMenuButtonAt = 0.01f;
constexpr float kMenuButtonSize = 0.1f;

MenuEnvironment environment() {
    MenuEnvironment env;
    env.sound_muted = sound_muted();
    env.version = game_version();
    env.key_name = key_caption;
    return env;
}

ButtonResult menu_button(UiContext& context, const UiEvent* event) {
    const ButtonResult result =
        icon_button(context, event, kMenuButtonAt, kMenuButtonAt, kMenuButtonSize, kMenuButtonIcon,
                    ButtonUse::Enabled, {1, 1, 1});
    if (event == nullptr && !context.icon_queue.empty())
        context.icon_queue.back().halo = 1; // it lies on the map, pale or grey
    return result;
}

} // namespace

std::string key_caption(Keycode code) {
    const char* name = SDL_GetKeyName(code);
    // An unnamed key would leave a button too narrow to click.
    return name != nullptr && *name != '\0' ? std::string(name) : std::string("?");
}

std::optional<UiEvent> to_ui_event(const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT)
            return std::nullopt;
        return PointerEvent{event.type == SDL_MOUSEBUTTONDOWN ? PointerEvent::Kind::Press
                                                              : PointerEvent::Kind::Release,
                            event.button.x, event.button.y};
    case SDL_MOUSEMOTION:
        return PointerEvent{PointerEvent::Kind::Move, event.motion.x, event.motion.y};
    default:
        if (const auto input = to_input_event(event))
            return UiEvent{*input};
        return std::nullopt;
    }
}

bool route_to_menu_button(Game& game, UiContext& context, const SDL_Event& event) {
    const auto ui_event = to_ui_event(event);
    if (!ui_event || !std::holds_alternative<PointerEvent>(*ui_event))
        return false;
    const PointerState before = context.pointer_state;
    const ButtonResult result = menu_button(context, &*ui_event);
    if (result == ButtonResult::Clicked)
        game.open_menu(false);
    return result != ButtonResult::None || context.pointer_state != before;
}

MenuOutcome route_to_menu(Game& game, UiContext& context, StoredFile& settings,
                          const SDL_Event& event) {
    const MenuState* open = game.menu();
    if (open == nullptr)
        return MenuOutcome::Continue;
    if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_AC_BACK) {
        game.set_menu(std::nullopt);
        return MenuOutcome::Continue;
    }
    const auto ui_event = to_ui_event(event);
    if (!ui_event)
        return MenuOutcome::Continue;
    const MenuUpdate update = menu_update(*open, context, &*ui_event, environment());
    switch (update.effect) {
    case MenuEffect::ToggleSound:
        toggle_sound(audio_backend(), [&] { save_settings(settings); });
        break;
    case MenuEffect::SaveSettings:
        save_settings(settings);
        break;
    case MenuEffect::None:
        break;
    }
    if (update.next && update.next->screen == MenuScreen::Quit) {
        game.set_menu(std::nullopt);
        return MenuOutcome::Quit;
    }
    if (update.next && update.next->screen == MenuScreen::ResetProgress) {
        game.reset_progress(); // closes the menu too
        return MenuOutcome::Continue;
    }
    game.set_menu(update.next);
    return MenuOutcome::Continue;
}

void draw_menu(Game& game, UiContext& context) {
    if (const MenuState* open = game.menu())
        game.set_menu(menu_update(*open, context, nullptr, environment()).next);
    else if (game.level_play() == nullptr)
        menu_button(context, nullptr);
}

} // namespace coilwend
