// The entry point: start-up in a fixed order, the main loop, and shutdown in
// the reverse order as the owning handles go out of scope.

#include "audio/audio_setup.hpp"
#include "audio/audio_system.hpp"
#include "audio/mixer_backend.hpp"
#include "board_renderer/board_renderer.hpp"
#include "game/log.hpp"
#include "graphics/scene_canvas.hpp"
#include "graphics/shader_build.hpp"
#include "graphics/shared_programs.hpp"
#include "graphics/shared_shadow_map.hpp"
#include "levels/catalogue.hpp"
#include "main/command_line.hpp"
#include "main/controllers.hpp"
#include "main/event_pump.hpp"
#include "main/freed_memory.hpp"
#include "main/game_window.hpp"
#include "main/gl_attributes.hpp"
#include "main/gl_context_setup.hpp"
#include "main/main_loop.hpp"
#include "main/menu_input.hpp"
#include "main/panic_box.hpp"
#include "main/screen_sizes.hpp"
#include "main/sdl_error.hpp"
#include "main/sdl_handles.hpp"
#include "main/startup_checks.hpp"
#include "main/startup_settings.hpp"
#include "main/version.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "scene/game.hpp"
#include "storage/preferences_file.hpp"
#include "ui/board_icons.hpp"
#include "ui/level_buttons.hpp"
#include "ui/scene_words.hpp"
#include "ui/ui_renderer.hpp"

#include <SDL.h>

#include <array>
#include <future>
#include <span>
#include <string>

namespace coilwend {
namespace {

int run_game(std::span<const char* const> arguments) {
    return_large_blocks_when_freed();
    // The message box goes in before anything can fail, so that even a
    // missing preferences directory reaches the player.
    install_panic_box();
    const std::string prefs = preferences_dir();
    set_log_file(prefs + "log");
    log_line("Hello!");
    log_line("Version " + std::string(game_version()));
    log_unwritable_preferences(prefs);
    // The level definitions are compiled in; building them now means a
    // broken one stops the game before any window opens.
    level_definitions();

    const GlDiagnostics diagnostics =
        wants_opengl_debug(arguments) ? GlDiagnostics::Verbose : GlDiagnostics::Quiet;

    if (SDL_Init(0) != 0)
        fatal_sdl("Couldn't get sdl context");
    const SdlLibrary sdl;
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        fatal_sdl("Couldn't get video subsystem");
    require_visible_display();

    request_initial_gl_attributes(requested_gl(arguments));
    const WindowHandle window = create_game_window();
    // The font and the icon atlas need no GL, so the other core decodes them
    // while this one makes the GL context; started once the window shows, so
    // it never delays that.
    std::future<UiAssets> ui_assets = std::async(std::launch::async, load_ui_assets);
    const GlContextHandle context = create_gl_context(window.get(), diagnostics);
    const auto mixer = open_audio();
    static MixerBackend mixer_backend; // outlives the sound bank, which frees its chunks through it
    install_audio_backend(mixer_backend);
    load_startup_settings(prefs);
    restore_window_placement(window.get());
    apply_fixed_gl_state();
    read_system_framebuffer();
    // The renderers compile their programs while the other core finishes
    // the interface's assets.
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    BoardRenderer board = BoardRenderer::create(shadow_map, scene_programs);
    OverworldRenderer map = OverworldRenderer::create(shadow_map, scene_programs);
    const ScreenSizes sizes = read_screen_sizes(window.get());
    const std::unique_ptr<UserInterface> ui =
        create_user_interface(ui_assets.get(), {sizes.window_width, sizes.window_height},
                              {sizes.drawable_width, sizes.drawable_height});
    const std::array<UvRect, kIconCount> icon_rects = board_icon_rects(ui->renderer.icon_uv());
    board.set_icon_atlas({ui->renderer.atlas_texture(), icon_rects});
    // Both renderers keep their picture here and redraw only what changed.
    SceneCanvas canvas = SceneCanvas::create(back_buffer_survives_swap());
    board.set_canvas(&canvas);
    map.set_canvas(&canvas);
    const OpenControllers controllers = open_game_controllers();
    PreferencesFile save_file(prefs, "save");
    PreferencesFile records_file(prefs, "records");
    PlayerMusic music(music_player());
    SceneWords words(ui->context, key_caption);
    LevelButtonsOverlay buttons(ui->context);
    GameOutputs outputs;
    outputs.board = &board;
    outputs.map = &map;
    outputs.text = &words;
    outputs.music = &music;
    outputs.sounds = &sound_bank();
    outputs.buttons = &buttons;
    outputs.records = &records_file;
    Game game(save_file, outputs);

    if (SDL_InitSubSystem(SDL_INIT_TIMER) != 0)
        fatal_sdl("Couldn't get timer");
    EventPump pump;
    PreferencesFile settings_file(prefs, "settings");
    run_main_loop(window.get(), pump, game, *ui, canvas, settings_file);
    return 0;
}

} // namespace
} // namespace coilwend

int main(int argc, char** argv) {
    return coilwend::run_game({argv, static_cast<std::size_t>(argc)});
}
