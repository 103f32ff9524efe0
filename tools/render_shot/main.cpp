// coilwend-render-shot: one frame of a level, drawn by the real board
// renderer, or of the overworld map, drawn by the real overworld renderer,
// saved as a PNG.
//
//   coilwend-render-shot (--level ID | --board FILE [--setting N] [--title T])
//                        --out FILE [--size WxH] [--moves LETTERS]
//                        [--progress P | --intro P] [--device keyboard|mouse|controller]
//                        [--redraw partial|whole]
//   coilwend-render-shot (--level ID | --board FILE) [--size WxH] --cell-pixel X,Y
//   coilwend-render-shot --selected ID [--size WxH] --map-cell-pixel X,Y
//   coilwend-render-shot --overworld map|close --out FILE [--size WxH]
//                        [--completed N] [--reveal P] [--menu on] [--frames N]
//                        [--entering C [--light target|view]] [--redraw partial|whole]
//   coilwend-render-shot --ui-sample --out FILE [--size WxH]
//
// The level is played from its start (no snake selected for --device mouse,
// as in the game) through LETTERS: U, D, L, R, N as coilwend-solve --solution
// prints them. Without --progress the board is shown at rest; with it, the
// last move's animation is frozen at P (1 = just begun, 0 = done). --intro P
// shows the level's opening instead.
//
// --overworld shows the whole map or a close view of its first level after N
// levels were won in catalogue order; --reveal P freezes the last win's
// reveal at P; the shot is the last of --frames frames (default 240), so the
// plume has drifted out. --entering C closes in on the selected level as
// entering it does (0 on the map, 1 at the level), the light centred on the
// camera's target or, with --light view, on the closing view.
//
// --redraw partial draws through a scene canvas as the game does, each frame
// redrawing only what changed since the one before: the last move from its
// start to P in ten steps, or every overworld frame (with --reveal, the
// reveal playing up to P over them); it prints "redrawn N of M pixels" for
// the last frame. The default draws the shot's frame whole.
//
// --ui-sample draws the user interface's text and icons instead of a level.
//
// --board reads a board picture in the catalogue's format (header line
// "ground marks items snakes" first) instead of a catalogue level; the title
// "Reunion" gives it that level's fixed floor and scenery.
//
// The window is hidden and its context is requested exactly as the game
// requests its own.
//
// --cell-pixel draws nothing: it prints "PX PY", the pixel of a window of that
// size (from its top left) on which the centre of board cell (X, Y) of the
// level appears, as the board camera places it. Tests aim the pointer with it.
// --map-cell-pixel does the same for a cell of the overworld map, with the
// map's camera where a start with level ID selected places it.

#include "overworld_shot.hpp"
#include "png_writer.hpp"
#include "shot_scene.hpp"
#include "ui_sample.hpp"

#include "board_renderer/board_renderer.hpp"
#include "game/board_camera.hpp"
#include "game/event_playback.hpp"
#include "game/log.hpp"
#include "graphics/gl_context_info.hpp"
#include "graphics/scene_canvas.hpp"
#include "graphics/shader_build.hpp"
#include "main/gl_attributes.hpp"
#include "main/gl_context_setup.hpp"
#include "main/sdl_error.hpp"
#include "main/sdl_handles.hpp"
#include "overworld/catalogue.hpp"
#include "overworld/map_camera.hpp"
#include "overworld/overworld.hpp"
#include "overworld_rendering/overworld_renderer.hpp"
#include "ui/board_icons.hpp"
#include "ui/ui_renderer.hpp"

#include <SDL.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace coilwend;

struct Options {
    render_shot::ShotRequest shot;
    std::string out;
    int width = 960;
    int height = 540;
    PromptDevice device = PromptDevice::Keyboard;
    std::optional<Pos> cell_pixel;     // print where this cell appears instead of drawing
    std::optional<Pos> map_cell_pixel; // the same on the overworld map
    std::string selected;              // the map's selected level for map_cell_pixel
    std::optional<render_shot::OverworldRequest> overworld;
    bool ui_sample = false;
    // Through a scene canvas, each frame redrawing only what changed: the
    // move in steps up to its progress, or every overworld frame.
    bool partial = false;
};

int usage() {
    std::cerr
        << "usage: coilwend-render-shot (--level ID | --board FILE [--setting N] [--title T])\n"
           "                            --out FILE [--size WxH] [--moves LETTERS]\n"
           "                            [--progress P | --intro P]\n"
           "                            [--device keyboard|mouse|controller]\n"
           "                            [--redraw partial|whole]\n"
           "       coilwend-render-shot (--level ID | --board FILE) [--size WxH]\n"
           "                            --cell-pixel X,Y\n"
           "       coilwend-render-shot --selected ID [--size WxH] --map-cell-pixel X,Y\n"
           "       coilwend-render-shot --overworld map|close --out FILE [--size WxH]\n"
           "                            [--completed N] [--reveal P] [--menu on] [--frames N]\n"
           "                            [--entering C [--light target|view]]\n"
           "                            [--redraw partial|whole]\n"

           "       coilwend-render-shot --ui-sample --out FILE [--size WxH]\n";
    return 2;
}

bool parse_float(std::string_view text, float& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size();
}

bool parse_size(std::string_view text, int& width, int& height) {
    const auto x = text.find('x');
    if (x == std::string_view::npos)
        return false;
    const auto w = std::from_chars(text.data(), text.data() + x, width);
    const auto h = std::from_chars(text.data() + x + 1, text.data() + text.size(), height);
    return w.ec == std::errc() && h.ec == std::errc() && w.ptr == text.data() + x &&
           h.ptr == text.data() + text.size() && width >= 64 && height >= 64 && width <= 4096 &&
           height <= 4096;
}

bool parse_cell(std::string_view text, std::optional<Pos>& cell) {
    const auto comma = text.find(',');
    if (comma == std::string_view::npos)
        return false;
    int x = 0, y = 0;
    const auto a = std::from_chars(text.data(), text.data() + comma, x);
    const auto b = std::from_chars(text.data() + comma + 1, text.data() + text.size(), y);
    if (a.ec != std::errc() || b.ec != std::errc() || a.ptr != text.data() + comma ||
        b.ptr != text.data() + text.size() || x < 0 || y < 0 || x > 127 || y > 127)
        return false;
    cell = Pos{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)};
    return true;
}

bool parse_count(std::string_view text, int& out) {
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), out);
    return error == std::errc() && end == text.data() + text.size() && out >= 0 && out <= 100000;
}

bool parse_device(std::string_view text, PromptDevice& device) {
    if (text == "keyboard")
        device = PromptDevice::Keyboard;
    else if (text == "mouse")
        device = PromptDevice::Mouse;
    else if (text == "controller")
        device = PromptDevice::Controller;
    else
        return false;
    return true;
}

bool parse(int argc, char** argv, Options& options) {
    auto overworld = [&]() -> render_shot::OverworldRequest& {
        if (!options.overworld)
            options.overworld.emplace();
        return *options.overworld;
    };
    for (int i = 1; i < argc; ++i) {
        const std::string_view flag = argv[i];
        if (flag == "--ui-sample") {
            options.ui_sample = true;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        const std::string_view value = argv[++i];
        if (flag == "--level")
            options.shot.level = value;
        else if (flag == "--board")
            options.shot.board_file = value;
        else if (flag == "--title")
            options.shot.title = value;
        else if (flag == "--setting") {
            const auto [end, error] =
                std::from_chars(value.data(), value.data() + value.size(), options.shot.setting);
            if (error != std::errc() || end != value.data() + value.size())
                return false;
        } else if (flag == "--out")
            options.out = value;
        else if (flag == "--moves")
            options.shot.moves = value;
        else if (flag == "--progress") {
            float p = 0;
            if (!parse_float(value, p))
                return false;
            options.shot.progress = p;
        } else if (flag == "--intro") {
            float p = 0;
            if (!parse_float(value, p))
                return false;
            options.shot.intro = p;
        } else if (flag == "--size") {
            if (!parse_size(value, options.width, options.height))
                return false;
        } else if (flag == "--cell-pixel") {
            if (!parse_cell(value, options.cell_pixel))
                return false;
        } else if (flag == "--map-cell-pixel") {
            if (!parse_cell(value, options.map_cell_pixel))
                return false;
        } else if (flag == "--selected") {
            options.selected = value;
        } else if (flag == "--device") {
            if (!parse_device(value, options.device))
                return false;
        } else if (flag == "--overworld") {
            if (value != "map" && value != "close")
                return false;
            overworld().view = value;
        } else if (flag == "--completed") {
            if (!parse_count(value, overworld().completed))
                return false;
        } else if (flag == "--frames") {
            if (!parse_count(value, overworld().frames))
                return false;
        } else if (flag == "--reveal") {
            float p = 0;
            if (!parse_float(value, p))
                return false;
            overworld().reveal = p;
        } else if (flag == "--menu") {
            overworld().menu_open = value == "on";
        } else if (flag == "--entering") {
            float p = 0;
            if (!parse_float(value, p))
                return false;
            overworld().entering = p;
        } else if (flag == "--redraw") {
            if (value != "partial" && value != "whole")
                return false;
            options.partial = value == "partial";
        } else if (flag == "--light") {
            if (value != "target" && value != "view")
                return false;
            overworld().light_on_view = value == "view";
        } else {
            return false;
        }
    }
    if (options.map_cell_pixel)
        return !options.selected.empty() && options.shot.level.empty() &&
               options.shot.board_file.empty();
    if (options.ui_sample)
        return options.shot.level.empty() && options.shot.board_file.empty() &&
               !options.out.empty();
    if (options.device == PromptDevice::Mouse)
        options.shot.start = StartSelection::None;
    if (options.overworld)
        return options.shot.level.empty() && options.shot.board_file.empty() &&
               !options.out.empty();
    return options.shot.level.empty() != options.shot.board_file.empty() &&
           (!options.out.empty() || options.cell_pixel) &&
           !(options.shot.progress && options.shot.intro);
}

// A hidden window with the game's framebuffer requests and its one fallback.
WindowHandle open_hidden_window(int width, int height) {
    constexpr Uint32 flags = SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN;
    WindowHandle window(SDL_CreateWindow("Coilwend shot", SDL_WINDOWPOS_UNDEFINED,
                                         SDL_WINDOWPOS_UNDEFINED, width, height, flags));
    if (!window) {
        drop_multisampling_and_srgb();
        window.reset(SDL_CreateWindow("Coilwend shot", SDL_WINDOWPOS_UNDEFINED,
                                      SDL_WINDOWPOS_UNDEFINED, width, height, flags));
        if (!window)
            fatal_sdl("Couldn't build window");
    }
    return window;
}

// The back buffer as RGB rows from the top. The window's buffer may be
// multisampled (under GLES), and reading it directly may return single
// samples (Mesa's software driver does), so it is first resolved into a
// plain texture the way the window system resolves it for display.
std::vector<std::uint8_t> read_back_buffer(int width, int height) {
    GLuint texture = 0, framebuffer = 0;
    gl.GenTextures(1, &texture);
    gl.BindTexture(GL_TEXTURE_2D, texture);
    gl.TexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);
    gl.BindTexture(GL_TEXTURE_2D, 0);
    gl.GenFramebuffers(1, &framebuffer);
    gl.BindFramebuffer(GL_DRAW_FRAMEBUFFER, framebuffer);
    gl.FramebufferTexture2D(GL_DRAW_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_TEXTURE_2D, texture, 0);
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, system_framebuffer());
    gl.ReadBuffer(GL_BACK);
    // The stored values are already encoded; copy them as they are.
    gl.Disable(GL_FRAMEBUFFER_SRGB);
    gl.BlitFramebuffer(0, 0, width, height, 0, 0, width, height, GL_COLOR_BUFFER_BIT, GL_NEAREST);
    gl.Enable(GL_FRAMEBUFFER_SRGB);

    std::vector<std::uint8_t> bottom_up(static_cast<std::size_t>(width) * height * 3);
    gl.BindFramebuffer(GL_READ_FRAMEBUFFER, framebuffer);
    gl.ReadBuffer(GL_COLOR_ATTACHMENT0);
    gl.PixelStorei(GL_PACK_ALIGNMENT, 1);
    gl.ReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, bottom_up.data());
    gl.Finish();

    std::vector<std::uint8_t> top_down(bottom_up.size());
    const std::size_t row = static_cast<std::size_t>(width) * 3;
    for (int y = 0; y < height; ++y)
        std::memcpy(top_down.data() + static_cast<std::size_t>(y) * row,
                    bottom_up.data() + static_cast<std::size_t>(height - 1 - y) * row, row);
    return top_down;
}

// The frame the level shows with its first event at `progress`.
BoardFrame level_frame(const Options& options, const LevelPlay& play, const MoveEvent* event) {
    BoardFrame frame;
    frame.puzzle = &shown_entry(play).puzzle;
    frame.event = event;
    frame.history_length = play.history.size();
    frame.selection = play.selection;
    frame.prompts = options.device;
    return frame;
}

// Partial redraws: the last event from its start to its frozen progress in
// ten steps, each frame through the canvas.
void draw_level_in_steps(const Options& options, const LevelPlay& play, BoardRenderer& renderer,
                         SceneCanvas& canvas, int width, int height) {
    renderer.set_canvas(&canvas);
    MoveEvent event = play.events.front();
    const float last = event.progress;
    const float first = std::copysign(1.0f, last);
    constexpr int kSteps = 10;
    for (int step = 0; step <= kSteps; ++step) {
        event.progress = first + (last - first) * float(step) / kSteps;
        canvas.begin_frame(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
        renderer.draw(level_frame(options, play, &event));
        if (step == kSteps)
            std::cout << "redrawn " << canvas.drawn_pixels() << " of "
                      << std::int64_t(width) * height << " pixels\n";
        canvas.present();
    }
}

void draw_level(const Options& options, const LevelPlay& play, int window_width, int window_height,
                int drawable_width, int drawable_height) {
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    BoardRenderer renderer = BoardRenderer::create(shadow_map, scene_programs);
    renderer.set_window_size(static_cast<std::uint32_t>(window_width),
                             static_cast<std::uint32_t>(window_height));
    // The tutorial icons as the game shows them.
    const IconAtlas atlas = build_icon_atlas(decode_embedded_icons());
    const std::array<UvRect, kIconCount> icon_rects = board_icon_rects(atlas.uv);
    renderer.set_icon_atlas({upload_icon_atlas(atlas), icon_rects});
    if (options.partial && !play.events.empty()) {
        SceneCanvas canvas = SceneCanvas::create();
        draw_level_in_steps(options, play, renderer, canvas, drawable_width, drawable_height);
        return;
    }
    // Drawn whole through a canvas, as the game's first frame of a level is.
    SceneCanvas canvas = SceneCanvas::create();
    renderer.set_canvas(&canvas);
    canvas.begin_frame(static_cast<std::uint32_t>(drawable_width),
                       static_cast<std::uint32_t>(drawable_height));
    renderer.draw(level_frame(options, play, play.events.empty() ? nullptr : &play.events.front()));
    canvas.present();
}

// Runs the requested number of frames, as the game would on the overworld,
// so the plume and the cursor have moved on. Drawn whole, only the last frame
// is drawn; drawn in part, every frame redraws what changed.
void draw_overworld(const render_shot::OverworldRequest& request, bool partial, int window_width,
                    int window_height, int drawable_width, int drawable_height) {
    render_shot::OverworldScene scene;
    render_shot::prepare_overworld(request, static_cast<std::uint32_t>(window_width),
                                   static_cast<std::uint32_t>(window_height),
                                   static_cast<std::uint32_t>(drawable_width),
                                   static_cast<std::uint32_t>(drawable_height), scene);
    SharedShadowMap shadow_map = SharedShadowMap::create();
    SharedPrograms scene_programs = SharedPrograms::build();
    OverworldRenderer renderer = OverworldRenderer::create(shadow_map, scene_programs);
    SceneCanvas canvas = SceneCanvas::create();
    renderer.set_canvas(&canvas);
    const int frames = std::max(1, request.frames);
    for (int i = 0; i < frames; ++i) {
        scene.frame.scenery_phase = std::fmod(0.015f * float(i), 1.0f);
        // Drawn in part, the reveal plays up to where the shot freezes it,
        // so its markers pop and grow from frame to frame.
        if (partial && request.reveal)
            scene.frame.reveal_progress = *request.reveal * float(i + 1) / float(frames);
        const bool final_won =
            !scene.frame.levels.empty() && scene.frame.levels.back().state == State::Completed;
        renderer.advance_scenery(final_won);
        if (!partial && i + 1 < frames)
            continue;
        canvas.begin_frame(static_cast<std::uint32_t>(drawable_width),
                           static_cast<std::uint32_t>(drawable_height));
        renderer.draw(scene.frame);
        if (partial && i + 1 == frames)
            std::cout << "redrawn " << canvas.drawn_pixels() << " of "
                      << std::int64_t(drawable_width) * drawable_height << " pixels\n";
        canvas.present();
    }
}

// Where the centre of a map cell appears in a window of the given size, with
// the camera placed as a start with `selected` selected places it.
int print_map_cell_pixel(const Options& options) {
    std::vector<OverworldEntry> levels = build_overworld_table();
    const auto entry = std::find_if(levels.begin(), levels.end(), [&](const OverworldEntry& e) {
        return e.id == options.selected;
    });
    if (entry == levels.end()) {
        std::cerr << "No level called " << options.selected << " on the map\n";
        return 1;
    }
    entry->state = State::Available;
    const auto width = static_cast<std::uint32_t>(options.width);
    const auto height = static_cast<std::uint32_t>(options.height);
    const MapScreen screen{width, height, width, height};
    const Overworld world =
        make_overworld(std::move(levels), std::size_t(entry - levels.begin()), screen);
    const Mat4 proj = map_projection(world.camera, screen.aspect());
    const Pos cell = *options.map_cell_pixel;
    const Vec4 clip = proj * Vec4{float(cell.x), float(cell.y), 0.0f, 1.0f};
    const float x = (clip.x / clip.w + 1.0f) / 2.0f * float(width);
    const float y = (1.0f - clip.y / clip.w) / 2.0f * float(height);
    std::cout << std::lround(x) << ' ' << std::lround(y) << '\n';
    return 0;
}

int run(const Options& options) {
    if (options.map_cell_pixel)
        return print_map_cell_pixel(options);
    render_shot::ShotScene scene;
    if (!options.overworld && !options.ui_sample) {
        scene = render_shot::prepare_shot(options.shot);
        if (!scene.play) {
            std::cerr << scene.error << '\n';
            return 1;
        }
    }
    if (options.cell_pixel) {
        const Puzzle& puzzle = scene.play->current();
        const BoardCamera camera = make_board_camera(static_cast<std::uint32_t>(options.width),
                                                     static_cast<std::uint32_t>(options.height),
                                                     puzzle.width, puzzle.height);
        const ScreenPoint centre = cell_pixel(camera, *options.cell_pixel);
        std::cout << std::lround(centre.x) << ' ' << std::lround(centre.y) << '\n';
        return 0;
    }

    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        fatal_sdl("Couldn't get video subsystem");
    const SdlLibrary sdl;
    request_initial_gl_attributes();
    const WindowHandle window = open_hidden_window(options.width, options.height);
    const GlContextHandle context = create_gl_context(window.get(), GlDiagnostics::Quiet);
    apply_fixed_gl_state();
    read_system_framebuffer();

    int drawable_width = 0, drawable_height = 0;
    SDL_GL_GetDrawableSize(window.get(), &drawable_width, &drawable_height);
    set_drawable_size(static_cast<std::uint32_t>(drawable_width),
                      static_cast<std::uint32_t>(drawable_height));
    int window_width = 0, window_height = 0;
    SDL_GetWindowSize(window.get(), &window_width, &window_height);

    if (options.ui_sample)
        render_shot::draw_ui_sample(static_cast<std::uint32_t>(drawable_width),
                                    static_cast<std::uint32_t>(drawable_height));
    else if (options.overworld)
        draw_overworld(*options.overworld, options.partial, window_width, window_height,
                       drawable_width, drawable_height);
    else
        draw_level(options, *scene.play, window_width, window_height, drawable_width,
                   drawable_height);

    const GLenum error = gl.GetError();
    if (error != GL_NO_ERROR) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(error));
        fatal(std::string("GL error while drawing: ") + hex);
    }
    const std::vector<std::uint8_t> pixels = read_back_buffer(drawable_width, drawable_height);
    const std::string failure =
        render_shot::write_rgb_png(options.out, static_cast<std::uint32_t>(drawable_width),
                                   static_cast<std::uint32_t>(drawable_height), pixels);
    if (!failure.empty()) {
        std::cerr << failure << '\n';
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options))
        return usage();
    return run(options);
}
