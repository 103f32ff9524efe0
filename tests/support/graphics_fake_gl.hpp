#pragma once
// A recording stand-in for the GL entry-point table. While a Recorder lives,
// every entry of `gl` points at a fake that appends the call to `calls` and
// answers from `script` (generated names count up from 1; unknown locations
// are -1). Lets the GL layer and the renderers be tested without a context.

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "graphics/gl_functions.hpp"

namespace coilwend::fake_gl {

struct Call {
    std::string name;         // entry name without "gl", e.g. "BufferData"
    std::vector<double> args; // numeric arguments in order; pointers as addresses
    std::string text;         // string argument (names, shader source), if any
};

struct Script {
    std::map<std::string, GLint, std::less<>> attrib_locations;  // absent: -1
    std::map<std::string, GLint, std::less<>> uniform_locations; // absent: -1
    GLint compile_status = GL_TRUE;
    GLint link_status = GL_TRUE;
    std::string info_log; // for both shaders and programs
    GLenum framebuffer_status = GL_FRAMEBUFFER_COMPLETE;
    GLint framebuffer_binding = 0;
};

class Recorder {
  public:
    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Only the calls with this name, in order.
    std::vector<Call> named(std::string_view name) const;
    std::size_t count(std::string_view name) const;
    // Just the names, in order: handy for checking call sequences.
    std::vector<std::string> names() const;

    Script script;
    std::vector<Call> calls;
    GLuint next_name = 1;

  private:
    GlFunctions saved_;
};

} // namespace coilwend::fake_gl
