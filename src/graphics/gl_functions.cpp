#include "graphics/gl_functions.hpp"

#include <string>

namespace coilwend {

GlFunctions gl;

const char* load_gl_functions(GlProcLoader loader) {
    static std::string missing;
    missing.clear();
#define COILWEND_GL_LOAD(ret, name, params)                                                         \
    gl.name = reinterpret_cast<decltype(gl.name)>(loader("gl" #name));                              \
    if (gl.name == nullptr) {                                                                       \
        if (!missing.empty())                                                                       \
            missing += ", ";                                                                        \
        missing += "gl" #name;                                                                      \
    }
    COILWEND_GL_FUNCTIONS(COILWEND_GL_LOAD)
#undef COILWEND_GL_LOAD
    return missing.c_str();
}

} // namespace coilwend
