#pragma once
// The shell's assets compiled into the program: the window icon and the
// game-controller mapping database.

#include <cstddef>
#include <span>
#include <string_view>

extern const unsigned char coilwend_window_icon_png[];
extern const std::size_t coilwend_window_icon_png_size;
extern const unsigned char coilwend_gamecontrollerdb[];
extern const std::size_t coilwend_gamecontrollerdb_size;

namespace coilwend {

inline std::span<const unsigned char> window_icon_png() {
    return {coilwend_window_icon_png, coilwend_window_icon_png_size};
}

inline std::string_view controller_mapping_text() {
    return {reinterpret_cast<const char*>(coilwend_gamecontrollerdb),
            coilwend_gamecontrollerdb_size};
}

} // namespace coilwend
