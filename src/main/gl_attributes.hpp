#pragma once
// Requests for the OpenGL framebuffer and context. SDL keeps them until the
// next change, so every fallback builds on what the earlier steps asked for.

#include "main/command_line.hpp"

#include <SDL.h>

namespace coilwend {

// Sets one attribute; a refusal stops the program, naming the attribute.
void set_gl_attribute(SDL_GLattr attribute, const char* name, int value);
#define COILWEND_SET_GL_ATTRIBUTE(attribute, value) set_gl_attribute(attribute, #attribute, value)

// The first request: a 3.1 compatibility context (or the OpenGL ES version
// asked for) with an 8-bit RGBA, 4x multisampled, sRGB-capable framebuffer.
// Also asks for vertical sync.
void request_initial_gl_attributes(GlRequest request = GlRequest::Desktop);

// The window fallback: no multisampling and no sRGB framebuffer.
void drop_multisampling_and_srgb();

} // namespace coilwend
