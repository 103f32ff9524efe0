// coilwend-shader-check [desktop|gles2|gles3]
// Opens a hidden window with a GL context of the requested flavour, then
// compiles and links every program of the scene, overworld and UI sets for
// that dialect. Exits 0 when all link, 77 when the driver offers no GLES
// context of the requested version; a failing shader ends the process through
// the fatal path with the driver's info log.

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "game/log.hpp"
#include "graphics/gl_context_info.hpp"
#include "graphics/gl_functions.hpp"
#include "graphics/programs.hpp"
#include "graphics/shader_build.hpp"

namespace {

using coilwend::ShaderDialect;

constexpr int context_unavailable = 77;

struct ContextRequest {
    int profile;
    int major;
    int minor;
    const char* label;
};

void* load_gl(const char* name) {
    return SDL_GL_GetProcAddress(name);
}

// Tries the requests in order and keeps the first context the driver gives.
SDL_GLContext create_context(SDL_Window* window, const ContextRequest* requests, int count) {
    for (int i = 0; i < count; ++i) {
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, requests[i].profile);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, requests[i].major);
        SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, requests[i].minor);
        if (SDL_GLContext context = SDL_GL_CreateContext(window)) {
            coilwend::log_line(std::string("Context: ") + requests[i].label);
            return context;
        }
        coilwend::log_line(std::string("No ") + requests[i].label + " context: " + SDL_GetError());
    }
    return nullptr;
}

bool parse_dialect(const char* text, ShaderDialect& dialect) {
    if (std::strcmp(text, "desktop") == 0)
        dialect = ShaderDialect::Desktop;
    else if (std::strcmp(text, "gles2") == 0)
        dialect = ShaderDialect::Gles2;
    else if (std::strcmp(text, "gles3") == 0)
        dialect = ShaderDialect::Gles3;
    else
        return false;
    return true;
}

} // namespace

int main(int argc, char** argv) {
    ShaderDialect dialect = ShaderDialect::Desktop;
    if (argc > 2 || (argc == 2 && !parse_dialect(argv[1], dialect))) {
        std::fprintf(stderr, "usage: coilwend-shader-check [desktop|gles2|gles3]\n");
        return 2;
    }
    if (SDL_Init(SDL_INIT_VIDEO) != 0)
        coilwend::fatal(std::string("Couldn't get video subsystem: ") + SDL_GetError());

    const ContextRequest desktop[] = {
        {SDL_GL_CONTEXT_PROFILE_COMPATIBILITY, 3, 1, "3.1 compatibility"},
        {SDL_GL_CONTEXT_PROFILE_COMPATIBILITY, 3, 2, "3.2 compatibility"},
        {SDL_GL_CONTEXT_PROFILE_CORE, 3, 2, "3.2 core"},
    };
    const ContextRequest gles2[] = {{SDL_GL_CONTEXT_PROFILE_ES, 2, 0, "GLES 2.0"}};
    const ContextRequest gles3[] = {{SDL_GL_CONTEXT_PROFILE_ES, 3, 0, "GLES 3.0"}};
    const ContextRequest* requests = desktop;
    int request_count = 3;
    if (dialect == ShaderDialect::Gles2) {
        requests = gles2;
        request_count = 1;
    } else if (dialect == ShaderDialect::Gles3) {
        requests = gles3;
        request_count = 1;
    }
    if (dialect != ShaderDialect::Desktop)
        SDL_SetHint(SDL_HINT_OPENGL_ES_DRIVER, "1");

    // An ES profile must be requested before the window exists: SDL picks
    // its GL loader (EGL or GLX) when the window is created.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, requests[0].profile);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, requests[0].major);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, requests[0].minor);
    SDL_Window* window =
        SDL_CreateWindow("shader check", SDL_WINDOWPOS_UNDEFINED, SDL_WINDOWPOS_UNDEFINED, 64, 64,
                         SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (window == nullptr)
        coilwend::fatal(std::string("Couldn't build window: ") + SDL_GetError());
    SDL_GLContext context = create_context(window, requests, request_count);
    if (context == nullptr) {
        // Not every machine offers GLES; the caller may skip those checks.
        if (dialect != ShaderDialect::Desktop)
            return context_unavailable;
        coilwend::fatal(std::string("Couldn't get GL context: ") + SDL_GetError());
    }
    if (SDL_GL_MakeCurrent(window, context) != 0)
        coilwend::fatal(std::string("Couldn't make GL context current: ") + SDL_GetError());

    coilwend::load_gl_functions(load_gl);
    coilwend::set_shader_dialect(dialect);
    coilwend::log_line(std::string("Renderer: ") +
                       reinterpret_cast<const char*>(coilwend::gl.GetString(GL_RENDERER)) + ", " +
                       reinterpret_cast<const char*>(coilwend::gl.GetString(GL_VERSION)));

    for (const coilwend::ProgramId id : coilwend::all_program_ids) {
        coilwend::build_program(id);
        coilwend::log_line(std::string("Linked ") + std::string(coilwend::program_source(id).name));
    }
    // The sets as the game builds them, in case one set's order matters.
    coilwend::build_overworld_programs(coilwend::build_scene_programs());
    coilwend::build_ui_programs();

    // The fixed state and the shadow framebuffer must also be accepted.
    coilwend::apply_fixed_gl_state();
    coilwend::read_system_framebuffer();
    coilwend::create_shadow_map();
    const GLenum error = coilwend::gl.GetError();
    if (error != GL_NO_ERROR) {
        char hex[16];
        std::snprintf(hex, sizeof hex, "%x", static_cast<unsigned>(error));
        // GLES lacks glDepthRange and glDrawBuffer; the driver flags them,
        // and both only restate defaults there, so only desktop GL must be clean.
        if (dialect == ShaderDialect::Desktop)
            coilwend::fatal(std::string("GL error after setup: ") + hex);
        coilwend::log_line(std::string("GL error after setup (expected on GLES): ") + hex);
    }
    coilwend::log_line("All programs linked");

    SDL_GL_DeleteContext(context);
    SDL_DestroyWindow(window);
    SDL_Quit();
    return 0;
}
