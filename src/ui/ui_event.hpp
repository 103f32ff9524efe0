#pragma once
// What the widgets hit-test: the left mouse button and pointer motion in
// window coordinates, or a key, controller button or axis event.

#include "input/input_event.hpp"

#include <cstdint>
#include <variant>

namespace coilwend {

struct PointerEvent {
    enum class Kind : std::uint8_t { Press, Release, Move };
    Kind kind = Kind::Move; // Press and Release are the left button's
    std::int32_t x = 0, y = 0;
};

using UiEvent = std::variant<PointerEvent, InputEvent>;

} // namespace coilwend
