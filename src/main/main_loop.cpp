#include "main/main_loop.hpp"

#include "audio/audio_system.hpp"
#include "audio/sound_switch.hpp"
#include "game/log.hpp"
#include "game/pass_clock.hpp"
#include "graphics/gl_functions.hpp"
#include "input/input_device.hpp"
#include "input/keymap.hpp"
#include "input/level_input.hpp"
#include "input/level_pointer.hpp"
#include "main/game_window.hpp"
#include "main/menu_input.hpp"
#include "main/screen_sizes.hpp"
#include "main/sdl_input.hpp"
#include "overworld/overworld_input.hpp"
#include "settings/settings_file.hpp"
#include "ui/level_buttons.hpp"
#include "ui/ui_renderer.hpp"

#include <algorithm>
#include <optional>

namespace coilwend {
namespace {

// While minimised nothing is drawn; the loop only looks for events this often.
constexpr Uint32 kPausedMilliseconds = 16;

struct LoopState {
    bool running = true;
    bool paused = false; // while the window is minimised
    // Something the scene does not know about may look different (input the
    // widgets show, a new size, an uncovered window): the next frame is drawn.
    bool redraw = true;
    PassClock clock{SDL_GetTicks64()};
    std::uint32_t passes_since_drawn = 0;
    bool left_button_down = false;
    int mouse_x = 0;
    int mouse_y = 0;
    ScreenSizes sizes;
    StickPush stick;        // level play
    MapStickPush map_stick; // the overworld
    UiContext* ui = nullptr;
    StoredFile* settings = nullptr; // written by the menu when a setting changes
};

void refresh_sizes(LoopState& loop, SDL_Window* window, Game& game) {
    loop.sizes = read_screen_sizes(window);
    game.set_screen({loop.sizes.window_width, loop.sizes.window_height, loop.sizes.drawable_width,
                     loop.sizes.drawable_height});
    if (loop.ui != nullptr) {
        loop.ui->window_size = {loop.sizes.window_width, loop.sizes.window_height};
        loop.ui->drawable_size = {loop.sizes.drawable_width, loop.sizes.drawable_height};
    }
}

void handle_window_event(LoopState& loop, SDL_Window* window, Game& game,
                         const SDL_WindowEvent& event) {
    switch (event.event) {
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        refresh_sizes(loop, window, game);
        note_window_size(window);
        break;
    case SDL_WINDOWEVENT_MINIMIZED:
        log_line("Paused!");
        audio_backend().pause_music();
        loop.paused = true;
        break;
    case SDL_WINDOWEVENT_RESTORED:
        log_line("Unpaused!");
        loop.paused = false;
        // The time spent minimised is not owed.
        loop.clock.restart(SDL_GetTicks64());
        resume_music_unless_muted(audio_backend());
        break;
    default:
        break;
    }
}

// What every event gets whoever owns the input; false drops the event.
bool handle_globally(LoopState& loop, SDL_Window* window, Game& game, const SDL_Event& event) {
    switch (event.type) {
    case SDL_QUIT:
        // The rest of this pass's events are still handled; the loop ends after it.
        loop.running = false;
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.windowID == SDL_GetWindowID(window))
            handle_window_event(loop, window, game, event.window);
        return true;
    case SDL_KEYDOWN:
        // F11 and Alt+Enter belong to the window, whatever the scene.
        if (event.key.keysym.sym == SDLK_F11 ||
            (event.key.keysym.sym == SDLK_RETURN && (event.key.keysym.mod & KMOD_ALT) != 0)) {
            if (event.key.repeat == 0) {
                toggle_fullscreen(window);
                save_settings(*loop.settings);
            }
            return false;
        }
        break;
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
        break;
    }
    if (const auto input = to_input_event(event))
        return note_input(*input);
    return true;
}

void act_on_level(Game& game, LevelPlay& play, const LevelAction& action) {
    switch (apply_level_action(play, action)) {
    case LevelOutcome::Stay:
        break;
    case LevelOutcome::Leave:
        game.leave_level(LevelEnd::Abandoned);
        break;
    case LevelOutcome::ShowHint:
        game.show_hint();
        break;
    }
}

// Window coordinates can be negative while a drag leaves the window.
std::uint32_t window_coordinate(Sint32 value) {
    return static_cast<std::uint32_t>(std::max(value, 0));
}

// The on-screen buttons see a level event first; true when they took it.
bool offer_to_level_buttons(LoopState& loop, Game& game, LevelPlay& play, const BoardCamera& camera,
                            const SDL_Event& event) {
    const auto ui_event = to_ui_event(event);
    if (!ui_event || loop.ui == nullptr)
        return false;
    const LevelButtonsResult result =
        level_buttons(*loop.ui, play, camera, &*ui_event, last_input_device());
    act_on_level(game, play, result.action);
    return result.taken || result.action.kind != LevelActionKind::None;
}

// Level play: the pointer steers, keys and controller buttons become commands.
void route_to_level(LoopState& loop, Game& game, LevelPlay& play, const SDL_Event& event) {
    const BoardCamera* camera = game.level_camera();
    if (camera != nullptr && offer_to_level_buttons(loop, game, play, *camera, event))
        return;
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT && camera != nullptr)
            pointer_pressed(play, *camera, window_coordinate(event.button.x),
                            window_coordinate(event.button.y));
        return;
    case SDL_MOUSEMOTION:
        if (loop.left_button_down && camera != nullptr)
            pointer_dragged(play, *camera, window_coordinate(event.motion.x),
                            window_coordinate(event.motion.y));
        return;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT && camera != nullptr)
            pointer_released(play, *camera, window_coordinate(event.button.x),
                             window_coordinate(event.button.y));
        return;
    default:
        break;
    }
    if (const auto input = to_input_event(event)) {
        act_on_level(game, play, level_action(play, loop.stick, *input, keymap()));
    }
}

void apply_map_action(Game& game, const OverworldAction& action) {
    switch (action.kind) {
    case OverworldActionKind::None:
        break;
    case OverworldActionKind::Press:
        game.press_map_move(action.move, action.source);
        break;
    case OverworldActionKind::Release:
        game.release_map_move(action.move);
        break;
    case OverworldActionKind::ReleaseStickX:
        game.release_map_stick(true);
        break;
    case OverworldActionKind::ReleaseStickY:
        game.release_map_stick(false);
        break;
    case OverworldActionKind::Enter:
        game.enter_selected_level();
        break;
    case OverworldActionKind::OpenMenu:
        game.open_menu(true);
        break;
    }
}

// The overworld: the pointer drags, clicks and zooms the map; keys and the
// controller move the selection, zoom, enter or open the menu.
void route_to_map(LoopState& loop, Game& game, const SDL_Event& event) {
    switch (event.type) {
    case SDL_MOUSEBUTTONDOWN:
        if (event.button.button == SDL_BUTTON_LEFT)
            game.map_pointer_pressed(float(event.button.x), float(event.button.y));
        return;
    case SDL_MOUSEMOTION:
        if (loop.left_button_down)
            game.map_pointer_moved(float(event.motion.x), float(event.motion.y));
        return;
    case SDL_MOUSEBUTTONUP:
        if (event.button.button == SDL_BUTTON_LEFT)
            game.map_pointer_released(float(event.button.x), float(event.button.y));
        return;
    case SDL_MOUSEWHEEL: {
        const Sint32 amount =
            event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -event.wheel.y : event.wheel.y;
        game.map_wheel(amount, float(loop.mouse_x), float(loop.mouse_y));
        return;
    }
    default:
        break;
    }
    if (const auto input = to_input_event(event))
        apply_map_action(game, overworld_action(loop.map_stick, *input, keymap()));
}

// Each event goes to exactly one input owner: an open menu, else the played
// level, else the overworld (which takes nothing while a scene transition
// runs) with its menu button first.
void route(LoopState& loop, Game& game, const SDL_Event& event) {
    if (game.menu() != nullptr) {
        if (route_to_menu(game, *loop.ui, *loop.settings, event) == MenuOutcome::Quit)
            loop.running = false;
        return;
    }
    if (LevelPlay* play = game.level_play()) {
        route_to_level(loop, game, *play, event);
        return;
    }
    if (game.transition_running())
        return;
    if (route_to_menu_button(game, *loop.ui, event))
        return;
    route_to_map(loop, game, event);
}

void handle_events(LoopState& loop, SDL_Window* window, EventPump& pump, Game& game) {
    SDL_GetMouseState(&loop.mouse_x, &loop.mouse_y);
    SDL_Event event;
    while (pump.poll(event)) {
        loop.redraw = true;
        if (handle_globally(loop, window, game, event))
            route(loop, game, event);
    }
}

// The passes that are due, each after the input that arrived before it.
// Returns false when the last pass left a solved level (its frame shows
// nothing of the scene).
bool run_due_passes(LoopState& loop, SDL_Window* window, EventPump& pump, Game& game,
                    std::uint32_t due) {
    for (std::uint32_t i = 0; i < due; ++i) {
        if (i > 0)
            handle_events(loop, window, pump, game);
        if (!loop.running || loop.paused)
            return true;
        loop.clock.ran(1);
        // That frame is drawn before the next pass, as when the machine keeps up.
        if (!game.update())
            return false;
    }
    return true;
}

// The frame goes into the canvas, which keeps what did not change: the
// interface is laid out first, so that where it changed is redrawn with the
// scene's own changes, then the scene and the interface over it are drawn
// there, and that region goes to the window.
void draw_frame(SDL_Window* window, Game& game, UserInterface& ui, SceneCanvas& canvas,
                const ScreenSizes& sizes, bool scene_drawn, bool left_button_down) {
    canvas.begin_frame(sizes.drawable_width, sizes.drawable_height);
    if (scene_drawn)
        game.queue_interface();
    draw_menu(game, ui.context);
    canvas.add_damage(ui.renderer.prepare(ui.context));
    if (scene_drawn)
        game.draw_scene();
    canvas.begin_interface();
    ui.renderer.end_of_frame(ui.context, left_button_down);
    canvas.present();
    SDL_GL_SwapWindow(window);
}

} // namespace

void run_main_loop(SDL_Window* window, EventPump& pump, Game& game, UserInterface& ui,
                   SceneCanvas& canvas, StoredFile& settings) {
    LoopState loop;
    loop.ui = &ui.context;
    loop.settings = &settings;
    const std::optional<WindowPlacement> placement_at_start = window_placement();
    refresh_sizes(loop, window, game);
    loop.clock.restart(SDL_GetTicks64());
    while (loop.running) {
        handle_events(loop, window, pump, game);
        if (loop.paused) {
            SDL_Delay(kPausedMilliseconds);
            continue;
        }
        const std::uint32_t due = loop.clock.passes_due(SDL_GetTicks64());
        if (due > 0 && loop.running) {
            const bool scene_drawn = run_due_passes(loop, window, pump, game, due);
            loop.passes_since_drawn += due;
            // A still level is neither drawn nor swapped: the window keeps the
            // last frame. The map's idle motion is drawn every second pass,
            // every third under the menu.
            PictureChange change = PictureChange::None;
            if (loop.redraw || !scene_drawn)
                change = PictureChange::Moving;
            else if (game.scene_changed())
                change = game.only_idle_motion() ? PictureChange::Idle : PictureChange::Moving;
            const std::uint32_t idle_pace =
                game.menu() != nullptr ? kPassesPerVeiledIdleFrame : kPassesPerIdleFrame;
            if (loop.running && !loop.paused &&
                frame_due(change, loop.passes_since_drawn, idle_pace)) {
                draw_frame(window, game, ui, canvas, loop.sizes, scene_drawn,
                           loop.left_button_down);
                loop.redraw = false;
                loop.passes_since_drawn = 0;
            }
        }
        if (const std::uint64_t wait = loop.clock.wait_ms(SDL_GetTicks64()); wait > 0)
            SDL_Delay(static_cast<Uint32>(wait));
    }
    // The window as the player left it, for the next start.
    if (window_placement() != placement_at_start)
        save_settings(settings);
}

} // namespace coilwend
