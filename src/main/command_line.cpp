#include "main/command_line.hpp"

namespace coilwend {

bool wants_opengl_debug(std::span<const char* const> arguments) {
    for (const char* argument : arguments) {
        if (argument != nullptr && std::string_view(argument) == kOpenGlDebugSwitch)
            return true;
    }
    return false;
}

GlRequest requested_gl(std::span<const char* const> arguments) {
    GlRequest request = GlRequest::Desktop;
    for (const char* argument : arguments) {
        if (argument == nullptr)
            continue;
        if (std::string_view(argument) == kGles3Switch)
            request = GlRequest::Gles3;
        else if (std::string_view(argument) == kGles2Switch)
            request = GlRequest::Gles2;
    }
    return request;
}

} // namespace coilwend
