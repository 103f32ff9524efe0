#include "ui/ui_context.hpp"

#include <cmath>

namespace coilwend {

void settle_pointer_state(UiContext& context, bool left_button_down) {
    if (!left_button_down)
        context.pointer_state = PointerState::Idle;
    else if (context.pointer_state == PointerState::Idle)
        context.pointer_state = PointerState::HeldOutside;
}

std::int32_t icon_edge(float f, std::uint32_t extent, std::int32_t size) {
    const float e = static_cast<float>(extent);
    if (std::signbit(f))
        return static_cast<std::int32_t>(e + f * e) - size;
    if (f == 0.5f)
        return static_cast<std::int32_t>((e - static_cast<float>(size)) / 2.0f);
    return static_cast<std::int32_t>(f * e);
}

std::int32_t text_coordinate(float f, std::uint32_t extent) {
    const auto value = static_cast<std::int32_t>(f * static_cast<float>(extent));
    return value < 0 ? value + static_cast<std::int32_t>(extent) : value;
}

} // namespace coilwend
