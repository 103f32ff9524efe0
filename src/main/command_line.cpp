#include "main/command_line.hpp"

namespace coilwend {

bool wants_opengl_debug(std::span<const char* const> arguments) {
    for (const char* argument : arguments) {
        if (argument != nullptr && std::string_view(argument) == kOpenGlDebugSwitch)
            return true;
    }
    return false;
}

} // namespace coilwend
