#include "ui/ui_context.hpp"

#include <cmath>

namespace coilwend {

void settle_pointer_state(UiContext& context, bool left_button_down) {
    if (!left_button_down)
        context.pointer_state = PointerState::Idle;
    else if (context.pointer_state == PointerState::Idle)
        context.pointer_state = PointerState::HeldOutside;
}

UiBox frame_box(UiFrame frame, UiSize extent) {
    const auto w = static_cast<std::int64_t>(extent.width);
    const auto h = static_cast<std::int64_t>(extent.height);
    if (frame == UiFrame::Window || w * 9 == h * 16)
        return {0, 0, static_cast<std::int32_t>(w), static_cast<std::int32_t>(h)};
    if (w * 9 > h * 16) { // wider: bars left and right
        const std::int64_t width = h * 16 / 9;
        return {static_cast<std::int32_t>((w - width) / 2), 0, static_cast<std::int32_t>(width),
                static_cast<std::int32_t>(h)};
    }
    const std::int64_t height = w * 9 / 16;
    return {0, static_cast<std::int32_t>((h - height) / 2), static_cast<std::int32_t>(w),
            static_cast<std::int32_t>(height)};
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
