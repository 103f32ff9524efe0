// coilwend-render-shot: one frame of a level, drawn by the real board
// renderer, saved as a PNG.
//
//   coilwend-render-shot (--level ID | --board FILE [--setting N] [--title T])
//                        --out FILE [--size WxH] [--moves LETTERS]
//                        [--progress P | --intro P] [--device keyboard|mouse|controller]
//   coilwend-render-shot --ui-sample --out FILE [--size WxH]
//
// The level is played from its start (no snake selected for --device mouse,
// as in the game) through LETTERS: U, D, L, R, N as coilwend-solve --solution
// prints them. Without --progress the board is shown at rest; with it, the
// last move's animation is frozen at P (1 = just begun, 0 = done). --intro P
// shows the level's opening instead.
//
// --ui-sample draws the user interface's text and icons instead of a level.
//
// --board reads a board picture in the catalogue's format (header line
// "ground marks items snakes" first) instead of a catalogue level; the title
// "Reunion" gives it that level's fixed floor and scenery.
//
// The window is hidden and its context is requested exactly as the game
// requests its own.

#include "png_writer.hpp"
#include "shot_scene.hpp"
#include "ui_sample.hpp"

#include "board_renderer/board_renderer.hpp"
#include "game/event_playback.hpp"
#include "game/log.hpp"
#include "graphics/gl_context_info.hpp"
#include "graphics/shader_build.hpp"
#include "main/gl_attributes.hpp"
#include "main/gl_context_setup.hpp"
#include "main/sdl_error.hpp"
#include "main/sdl_handles.hpp"

#include <SDL.h>

#include <charconv>
#include <cstdio>
#include <cstring>
#include <iostream>
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
    bool ui_sample = false;
};

int usage() {
    std::cerr
        << "usage: coilwend-render-shot (--level ID | --board FILE [--setting N] [--title T])\n"
           "                            --out FILE [--size WxH] [--moves LETTERS]\n"
           "                            [--progress P | --intro P]\n"
           "                            [--device keyboard|mouse|controller]\n"
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
        } else if (flag == "--device") {
            if (!parse_device(value, options.device))
                return false;
        } else {
            return false;
        }
    }
    if (options.ui_sample)
        return options.shot.level.empty() && options.shot.board_file.empty() &&
               !options.out.empty();
    if (options.device == PromptDevice::Mouse)
        options.shot.start = StartSelection::None;
    return options.shot.level.empty() != options.shot.board_file.empty() && !options.out.empty() &&
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

// The back buffer as RGB rows from the top. The window's
// buffer is multisampled, and reading it directly may return single samples
// (Mesa's software driver does), so it is first resolved into a plain texture
// the way the window system resolves it for display.
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

// One frame of the level, drawn as the main loop draws it.
void draw_level(const LevelPlay& play, const Options& options, SDL_Window* window) {
    int window_width = 0, window_height = 0;
    SDL_GetWindowSize(window, &window_width, &window_height);
    BoardRenderer renderer = BoardRenderer::create();
    renderer.set_window_size(static_cast<std::uint32_t>(window_width),
                             static_cast<std::uint32_t>(window_height));

    // As the main loop does at the start of every frame.
    gl.ClearColor(0, 0, 0, 0);
    gl.ClearDepth(1.0);
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    BoardFrame frame;
    frame.puzzle = &shown_entry(play).puzzle;
    frame.event = play.events.empty() ? nullptr : &play.events.front();
    frame.history_length = play.history.size();
    frame.selection = play.selection;
    frame.prompts = options.device;
    renderer.draw(frame);
}

int run(const Options& options) {
    render_shot::ShotScene scene;
    if (!options.ui_sample) {
        scene = render_shot::prepare_shot(options.shot);
        if (!scene.play) {
            std::cerr << scene.error << '\n';
            return 1;
        }
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
    if (options.ui_sample)
        render_shot::draw_ui_sample(static_cast<std::uint32_t>(drawable_width),
                                    static_cast<std::uint32_t>(drawable_height));
    else
        draw_level(*scene.play, options, window.get());

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
