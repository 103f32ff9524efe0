#include "main/window_size.hpp"

#include <algorithm>

namespace coilwend {
namespace {

// SDL refuses window dimensions of 2^30 and more.
constexpr std::int64_t kLargestSdlDimension = 1073741823;

std::int32_t clamp_dimension(std::int64_t display, std::int32_t largest) {
    const std::int64_t usable = std::clamp<std::int64_t>(display, 1, kLargestSdlDimension);
    return static_cast<std::int32_t>(std::min<std::int64_t>(usable, largest));
}

} // namespace

WindowSize initial_window_size(std::int64_t display_width, std::int64_t display_height) {
    return {clamp_dimension(display_width, kLargestStartWindow.width),
            clamp_dimension(display_height, kLargestStartWindow.height)};
}

WindowSize restored_window_size(WindowSize saved, WindowSize usable) {
    const auto side = [](std::int32_t want, std::int32_t room, std::int32_t least) {
        return std::max(std::min(want, room), least);
    };
    return {side(saved.width, usable.width, kMinimumWindow.width),
            side(saved.height, usable.height, kMinimumWindow.height)};
}

} // namespace coilwend
