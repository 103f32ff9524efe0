#pragma once
// The window's size at start-up: the display's size, but no larger than 1920 x 1080.

#include <cstdint>

namespace coilwend {

struct WindowSize {
    std::int32_t width = 0;
    std::int32_t height = 0;
    friend bool operator==(const WindowSize&, const WindowSize&) = default;
};

inline constexpr WindowSize kLargestStartWindow{1920, 1080};
inline constexpr WindowSize kMinimumWindow{400, 400};

// A display dimension of 0 (or a nonsensical negative one) counts as 1, and
// one beyond what SDL accepts for a window is cut to SDL's limit first.
WindowSize initial_window_size(std::int64_t display_width, std::int64_t display_height);

// A saved window size brought back: no larger than the display's usable
// area (which may have shrunk since) and no smaller than the minimum.
WindowSize restored_window_size(WindowSize saved, WindowSize usable);

} // namespace coilwend
