#include "main/version.hpp"

#include "main/text_trim.hpp"

#include <cstddef>

extern const unsigned char coilwend_version_text[];
extern const std::size_t coilwend_version_text_size;

namespace coilwend {

std::string_view game_version() {
    return trim_whitespace(
        {reinterpret_cast<const char*>(coilwend_version_text), coilwend_version_text_size});
}

} // namespace coilwend
