#include "main/overworld_input.hpp"

#include <optional>

namespace coilwend {
namespace {

std::optional<MapMove> command_move(OverworldCommand command) {
    switch (command) {
    case OverworldCommand::Up:
        return MapMove::Up;
    case OverworldCommand::Down:
        return MapMove::Down;
    case OverworldCommand::Left:
        return MapMove::Left;
    case OverworldCommand::Right:
        return MapMove::Right;
    default:
        return std::nullopt;
    }
}

OverworldAction press(OverworldCommand command) {
    if (const auto move = command_move(command))
        return {OverworldActionKind::Press, *move, PressSource::Button};
    if (command == OverworldCommand::Enter)
        return {OverworldActionKind::Enter};
    if (command == OverworldCommand::OpenMenu)
        return {OverworldActionKind::OpenMenu};
    return {};
}

OverworldAction release(OverworldCommand command) {
    if (const auto move = command_move(command))
        return {OverworldActionKind::Release, *move};
    return {};
}

OverworldCommand button_command(std::int32_t code) {
    if (code < 0 || code > static_cast<std::int32_t>(ControllerButton::DpadRight))
        return OverworldCommand::None;
    return overworld_button_command(static_cast<ControllerButton>(code));
}

bool beyond_threshold(std::int32_t value) {
    return value > kStickThreshold || value < -kStickThreshold;
}

// A trigger held down zooms like a held key: in with the right, out with the left.
OverworldAction trigger_action(bool& pushed, MapMove zoom, std::int32_t value) {
    if (value > kStickThreshold) {
        pushed = true;
        return {OverworldActionKind::Press, zoom, PressSource::Button};
    }
    if (!pushed)
        return {};
    pushed = false;
    return {OverworldActionKind::Release, zoom};
}

OverworldAction axis_action(MapStickPush& stick, const InputEvent& event) {
    const std::int32_t value = event.axis_value;
    switch (static_cast<ControllerAxis>(event.code)) {
    case ControllerAxis::TriggerRight:
        return trigger_action(stick.right_trigger, MapMove::ZoomIn, value);
    case ControllerAxis::TriggerLeft:
        return trigger_action(stick.left_trigger, MapMove::ZoomOut, value);
    case ControllerAxis::LeftX:
    case ControllerAxis::LeftY:
        break;
    default:
        return {};
    }
    const bool horizontal = event.code == static_cast<std::int32_t>(ControllerAxis::LeftX);
    bool& pushed = horizontal ? stick.horizontal : stick.vertical;
    if (!beyond_threshold(value)) {
        if (!pushed)
            return {};
        pushed = false;
        return {horizontal ? OverworldActionKind::ReleaseStickX
                           : OverworldActionKind::ReleaseStickY};
    }
    pushed = true;
    // SDL's vertical axis grows downward.
    const MapMove move = horizontal ? (value > 0 ? MapMove::Right : MapMove::Left)
                                    : (value > 0 ? MapMove::Down : MapMove::Up);
    return {OverworldActionKind::Press, move, PressSource::Stick};
}

} // namespace

OverworldCommand overworld_key_command(Keycode key, const Keymap& keys) {
    if (keys.matches(Binding::Exit, key))
        return OverworldCommand::OpenMenu;
    if (keys.matches(Binding::Up, key) || keys.matches(Binding::Up2, key))
        return OverworldCommand::Up;
    if (keys.matches(Binding::Down, key) || keys.matches(Binding::Down2, key))
        return OverworldCommand::Down;
    if (keys.matches(Binding::Left, key) || keys.matches(Binding::Left2, key))
        return OverworldCommand::Left;
    if (keys.matches(Binding::Right, key) || keys.matches(Binding::Right2, key))
        return OverworldCommand::Right;
    if (keys.matches(Binding::Enter, key))
        return OverworldCommand::Enter;
    return OverworldCommand::None;
}

OverworldCommand overworld_button_command(ControllerButton button) {
    switch (button) {
    case ControllerButton::A:
        return OverworldCommand::Enter;
    case ControllerButton::Start:
        return OverworldCommand::OpenMenu;
    case ControllerButton::DpadUp:
        return OverworldCommand::Up;
    case ControllerButton::DpadDown:
        return OverworldCommand::Down;
    case ControllerButton::DpadLeft:
        return OverworldCommand::Left;
    case ControllerButton::DpadRight:
        return OverworldCommand::Right;
    default:
        return OverworldCommand::None;
    }
}

} // namespace coilwend

namespace coilwend {

OverworldAction overworld_action(MapStickPush& stick, const InputEvent& event, const Keymap& keys) {
    switch (event.kind) {
    case InputKind::KeyDown:
        return press(overworld_key_command(event.code, keys));
    case InputKind::KeyUp:
        return release(overworld_key_command(event.code, keys));
    case InputKind::ButtonDown:
        return press(button_command(event.code));
    case InputKind::ButtonUp:
        return release(button_command(event.code));
    case InputKind::AxisMotion:
        return axis_action(stick, event);
    }
    return {};
}

} // namespace coilwend
