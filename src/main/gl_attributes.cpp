#include "main/gl_attributes.hpp"

#include "main/sdl_error.hpp"

#include <string>

namespace coilwend {

void set_gl_attribute(SDL_GLattr attribute, const char* name, int value) {
    if (SDL_GL_SetAttribute(attribute, value) != 0)
        fatal_sdl(std::string("couldn't set attribute ") + name);
}

void request_initial_gl_attributes(GlRequest request) {
    const bool gles = request != GlRequest::Desktop;
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_PROFILE_MASK,
                              gles ? SDL_GL_CONTEXT_PROFILE_ES
                                   : SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_MAJOR_VERSION, request == GlRequest::Gles2 ? 2 : 3);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_CONTEXT_MINOR_VERSION, gles ? 0 : 1);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_RED_SIZE, 8);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_GREEN_SIZE, 8);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_BLUE_SIZE, 8);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_ALPHA_SIZE, 8);
    // On desktop GL the frame is drawn multisampled into the scene canvas,
    // which resolves into the window only what changed; a multisampled window
    // would be resolved whole at every swap. GLES draws straight into it.
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_MULTISAMPLEBUFFERS, gles ? 1 : 0);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_MULTISAMPLESAMPLES, gles ? 4 : 0);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_FRAMEBUFFER_SRGB_CAPABLE, 1);
    // No context exists yet, so SDL refuses this; the request is repeated once
    // the context is current (create_gl_context), where it can take effect.
    SDL_GL_SetSwapInterval(1);
}

void drop_multisampling_and_srgb() {
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_MULTISAMPLEBUFFERS, 0);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_MULTISAMPLESAMPLES, 0);
    COILWEND_SET_GL_ATTRIBUTE(SDL_GL_FRAMEBUFFER_SRGB_CAPABLE, 0);
}

} // namespace coilwend
