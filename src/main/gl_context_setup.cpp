#include "main/gl_context_setup.hpp"

#include "game/log.hpp"
#include "graphics/gl_context_info.hpp"
#include "graphics/gl_functions.hpp"
#include "main/gl_attributes.hpp"
#include "main/sdl_error.hpp"
#include "main/startup_checks.hpp"

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace coilwend {
namespace {

// Each fallback logs its line, then loosens the request further; nothing is
// undone between attempts.
struct Fallback {
    const char* log_text;
    void (*loosen)();
};

constexpr std::array<Fallback, 5> kFallbacks{{
    {"Bumping up to 3.2",
     [] {
         COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_MAJOR_VERSION, 3);
         COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_MINOR_VERSION, 2);
     }},
    {"Forcing core profile",
     [] { COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_CORE); }},
    {"Letting SDL/OS/Driver choose profile",
     [] { COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_PROFILE_MASK, 0); }},
    {"Forcing hardware accelerated",
     [] { COILWEND_SET_GL_ATTRIBUTE(SDL_GL_ACCELERATED_VISUAL, 1); }},
    {"Disabling srgb", [] { COILWEND_SET_GL_ATTRIBUTE(SDL_GL_FRAMEBUFFER_SRGB_CAPABLE, 0); }},
}};

GlContextHandle create_with_fallbacks(SDL_Window* window) {
    GlContextHandle context(SDL_GL_CreateContext(window));
    for (const Fallback& fallback : kFallbacks) {
        if (context)
            break;
        log_line(fallback.log_text);
        fallback.loosen();
        context.reset(SDL_GL_CreateContext(window));
    }
    if (!context)
        fatal(std::string("Couldn't get GL context: ") + SDL_GetError() + std::string(kGlAdvice));
    return context;
}

int gl_attribute(SDL_GLattr attribute) {
    int value = 0;
    SDL_GL_GetAttribute(attribute, &value);
    return value;
}

std::string profile_name(int profile) {
    switch (profile) {
    case SDL_GL_CONTEXT_PROFILE_CORE:
        return "core";
    case SDL_GL_CONTEXT_PROFILE_COMPATIBILITY:
        return "compatibility";
    case SDL_GL_CONTEXT_PROFILE_ES:
        return "GLES";
    case 0:
        return "chosen by driver";
    default:
        return "unknown profile " + std::to_string(profile);
    }
}

// Desktop profiles take GLSL 1.40 sources, GLES 2 and 3 take GLSL ES 1.00.
// A context obtained without naming a profile is a desktop one: the request
// that produced it asked for 3.2.
std::optional<ShaderDialect> dialect_for(int profile, int major) {
    switch (profile) {
    case 0:
    case SDL_GL_CONTEXT_PROFILE_CORE:
    case SDL_GL_CONTEXT_PROFILE_COMPATIBILITY:
        return ShaderDialect::Desktop;
    case SDL_GL_CONTEXT_PROFILE_ES:
        if (major == 2)
            return ShaderDialect::Gles2;
        if (major == 3)
            return ShaderDialect::Gles3;
        return std::nullopt;
    default:
        return std::nullopt;
    }
}

// Desktop-only entries that GLES lacks; the renderers check for them (GLES
// has its own defaults for what they would set).
// Without multisampled renderbuffers the scene is drawn straight into the window.
constexpr std::array<std::string_view, 4> kDesktopOnly{
    "glClearDepth", "glDepthRange", "glDrawBuffer", "glRenderbufferStorageMultisample"};

// The missing entry points the game cannot do without, comma-separated.
std::string essential_missing(std::string_view missing, ShaderDialect dialect) {
    std::string essential;
    while (!missing.empty()) {
        const auto comma = missing.find(", ");
        const std::string_view name = missing.substr(0, comma);
        missing = comma == std::string_view::npos ? std::string_view{} : missing.substr(comma + 2);
        const bool optional =
            (dialect != ShaderDialect::Desktop &&
             std::find(kDesktopOnly.begin(), kDesktopOnly.end(), name) != kDesktopOnly.end()) ||
            std::find(std::begin(kOptionalGlFunctions), std::end(kOptionalGlFunctions), name) !=
                std::end(kOptionalGlFunctions);
        if (optional)
            continue;
        if (!essential.empty())
            essential += ", ";
        essential += name;
    }
    return essential;
}

// The request made with the first attributes comes before any context exists,
// so SDL refuses it; only now can the swap interval be set. Without vertical
// sync the loop's own 16 ms pacing still holds the frame rate.
void request_vertical_sync() {
    if (SDL_GL_SetSwapInterval(1) != 0)
        log_line(std::string("Vertical sync unavailable: ") + SDL_GetError());
}

void log_is_current(SDL_GLContext context) {
    log_line(std::string("GL Context is current?: ") +
             (SDL_GL_GetCurrentContext() == context ? "true" : "false"));
}

std::string gl_text(GLenum name) {
    const GLubyte* text = gl.GetString(name);
    return text == nullptr ? std::string() : std::string(reinterpret_cast<const char*>(text));
}

void log_gl_strings() {
    GLint major = -1;
    GLint minor = -1;
    gl.GetIntegerv(GL_MAJOR_VERSION, &major);
    gl.GetIntegerv(GL_MINOR_VERSION, &minor);
    log_line("OpenGL context version: " + std::to_string(major) + "." + std::to_string(minor));
    log_line("OpenGL vendor: " + gl_text(GL_VENDOR));
    log_line("OpenGL renderer: " + gl_text(GL_RENDERER));
    log_line("OpenGL version: " + gl_text(GL_VERSION));
    log_line("OpenGL shading language version: " + gl_text(GL_SHADING_LANGUAGE_VERSION));
}

} // namespace

bool back_buffer_survives_swap() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (driver == nullptr || std::string_view(driver) != "x11")
        return false;
    const std::string renderer = gl_text(GL_RENDERER);
    return renderer.starts_with("llvmpipe") || renderer.starts_with("softpipe");
}

GlContextHandle create_gl_context(SDL_Window* window, GlDiagnostics diagnostics) {
    GlContextHandle context = create_with_fallbacks(window);

    const bool verbose = diagnostics == GlDiagnostics::Verbose;
    if (verbose)
        log_is_current(context.get());
    if (SDL_GL_MakeCurrent(window, context.get()) != 0)
        fatal_sdl("Couldn't make GL context current");
    request_vertical_sync();
    if (verbose)
        log_is_current(context.get());

    const int major = gl_attribute(SDL_GL_CONTEXT_MAJOR_VERSION);
    const int minor = gl_attribute(SDL_GL_CONTEXT_MINOR_VERSION);
    const int profile = gl_attribute(SDL_GL_CONTEXT_PROFILE_MASK);
    log_line("OpenGL " + std::to_string(major) + "." + std::to_string(minor) + " " +
             profile_name(profile));
    const char* driver = SDL_GetCurrentVideoDriver();
    log_line(std::string("Video driver: ") + (driver != nullptr ? driver : "none"));

    const auto dialect = dialect_for(profile, major);
    if (!dialect)
        fatal("Unsupported OpenGL context: " + std::to_string(major) + "." + std::to_string(minor) +
              " " + profile_name(profile));
    set_shader_dialect(*dialect);

    const std::string missing = essential_missing(
        load_gl_functions([](const char* name) -> void* { return SDL_GL_GetProcAddress(name); }),
        *dialect);
    if (!missing.empty())
        fatal("The OpenGL driver lacks functions the game needs: " + missing);
    if (verbose)
        log_gl_strings();
    return context;
}

} // namespace coilwend
