#include "ui/stick_latch.hpp"

namespace coilwend {
namespace {

constexpr std::int32_t kLatchAt = 16384;      // about half the stick's travel
constexpr std::int32_t kReleaseBelow = 16383; // magnitudes below this release

bool horizontal(StickDirection direction) {
    return direction == StickDirection::Left || direction == StickDirection::Right;
}

} // namespace

std::optional<StickDirection> stick_latch_step(StickLatch& latch, const StickUser& user,
                                               const InputEvent& event) {
    if (event.kind != InputKind::AxisMotion)
        return std::nullopt;
    const auto axis = static_cast<ControllerAxis>(event.code);
    if (axis != ControllerAxis::LeftX && axis != ControllerAxis::LeftY)
        return std::nullopt;
    const bool on_x = axis == ControllerAxis::LeftX;
    const std::int32_t value = event.axis_value;
    if (latch.held) {
        if (horizontal(latch.direction) == on_x && value > -kReleaseBelow && value < kReleaseBelow)
            latch.held = false;
        return std::nullopt;
    }
    std::optional<StickDirection> pushed;
    if (value >= kLatchAt)
        pushed = on_x ? StickDirection::Right : StickDirection::Down;
    else if (value <= -kLatchAt)
        pushed = on_x ? StickDirection::Left : StickDirection::Up;
    if (!pushed || ((user.fires | user.latches) & stick_bit(*pushed)) == 0)
        return std::nullopt;
    latch = {true, *pushed};
    if ((user.fires & stick_bit(*pushed)) != 0)
        return pushed;
    return std::nullopt;
}

} // namespace coilwend
