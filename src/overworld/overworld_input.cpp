#include "overworld/overworld_input.hpp"

#include "input/command_table.hpp"

#include <optional>

namespace coilwend {
namespace {

// The map's key bindings in order of precedence: exit first (so a key bound
// to exit and something else opens the menu), enter last (so a key bound to
// up and enter moves the selection).
constexpr BoundCommand<OverworldCommand> kKeyCommands[] = {
    {OverworldCommand::OpenMenu, Binding::Exit, std::nullopt},
    {OverworldCommand::Up, Binding::Up, Binding::Up2},
    {OverworldCommand::Down, Binding::Down, Binding::Down2},
    {OverworldCommand::Left, Binding::Left, Binding::Left2},
    {OverworldCommand::Right, Binding::Right, Binding::Right2},
    {OverworldCommand::Enter, Binding::Enter, std::nullopt},
};

constexpr Pairing<ControllerButton, OverworldCommand> kButtonCommands[] = {
    {ControllerButton::A, OverworldCommand::Enter},
    {ControllerButton::Start, OverworldCommand::OpenMenu},
    {ControllerButton::DpadUp, OverworldCommand::Up},
    {ControllerButton::DpadDown, OverworldCommand::Down},
    {ControllerButton::DpadLeft, OverworldCommand::Left},
    {ControllerButton::DpadRight, OverworldCommand::Right},
};

constexpr Pairing<OverworldCommand, MapMove> kCommandMoves[] = {
    {OverworldCommand::Up, MapMove::Up},
    {OverworldCommand::Down, MapMove::Down},
    {OverworldCommand::Left, MapMove::Left},
    {OverworldCommand::Right, MapMove::Right},
};

std::optional<MapMove> command_move(OverworldCommand command) {
    return look_up<OverworldCommand, MapMove>(kCommandMoves, command);
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
    const auto button = known_button(code);
    return button ? overworld_button_command(*button) : OverworldCommand::None;
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
    return first_bound_command<OverworldCommand>(kKeyCommands, key, keys)
        .value_or(OverworldCommand::None);
}

OverworldCommand overworld_button_command(ControllerButton button) {
    return look_up<ControllerButton, OverworldCommand>(kButtonCommands, button)
        .value_or(OverworldCommand::None);
}

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
