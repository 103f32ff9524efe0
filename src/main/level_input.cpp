#include "main/level_input.hpp"

#include "game/event_playback.hpp"

namespace coilwend {
namespace {

LevelCommand button_command(std::int32_t code) {
    if (code < 0 || code > static_cast<std::int32_t>(ControllerButton::DpadRight))
        return LevelCommand::None; // buttons the game does not use (paddles, touchpad, ...)
    return level_button_command(static_cast<ControllerButton>(code));
}

LevelAction press(LevelCommand command) {
    if (const auto code = held_command_code(command))
        return {LevelActionKind::PressHeld, *code};
    switch (command) {
    case LevelCommand::Leave:
        return {LevelActionKind::Leave, 0};
    case LevelCommand::Reset:
        return {LevelActionKind::Reset, 0};
    case LevelCommand::NextSnake:
        return {LevelActionKind::NextSnake, 0};
    case LevelCommand::PreviousSnake:
        return {LevelActionKind::PreviousSnake, 0};
    default:
        return {};
    }
}

LevelAction release(LevelCommand command) {
    if (const auto code = held_command_code(command))
        return {LevelActionKind::ReleaseHeld, *code};
    return {};
}

// A stick pushed past the threshold acts like a held d-pad direction, but
// only while nothing is held, so a drifting stick cannot take over a held
// key; coming back inside the threshold it releases both directions of its axis.
LevelAction stick_action(const LevelPlay& play, StickPush& stick, const InputEvent& event) {
    const bool horizontal = event.code == static_cast<std::int32_t>(ControllerAxis::LeftX);
    const bool vertical = event.code == static_cast<std::int32_t>(ControllerAxis::LeftY);
    if (!horizontal && !vertical)
        return {};
    bool& pushed = horizontal ? stick.horizontal : stick.vertical;
    const std::int32_t value = event.axis_value;
    if (value <= kStickThreshold && value >= -kStickThreshold) {
        if (!pushed)
            return {};
        pushed = false;
        return {horizontal ? LevelActionKind::ReleaseStickX : LevelActionKind::ReleaseStickY, 0};
    }
    pushed = true;
    if (play.repeat_active != 0)
        return {};
    // SDL's vertical axis grows downward.
    if (horizontal)
        return press(value > 0 ? LevelCommand::Right : LevelCommand::Left);
    return press(value > 0 ? LevelCommand::Down : LevelCommand::Up);
}

} // namespace

LevelCommand level_key_command(Keycode key, const Keymap& keys) {
    if (key == keycode::kAcBack || keys.matches(Binding::Exit, key))
        return LevelCommand::Leave;
    if (keys.matches(Binding::Undo, key))
        return LevelCommand::Undo;
    if (keys.matches(Binding::Reset, key))
        return LevelCommand::Reset;
    if (keys.matches(Binding::CycleForward, key) || keys.matches(Binding::CycleForward2, key))
        return LevelCommand::NextSnake;
    if (keys.matches(Binding::CycleBackward, key))
        return LevelCommand::PreviousSnake;
    if (keys.matches(Binding::Up, key) || keys.matches(Binding::Up2, key))
        return LevelCommand::Up;
    if (keys.matches(Binding::Down, key) || keys.matches(Binding::Down2, key))
        return LevelCommand::Down;
    if (keys.matches(Binding::Left, key) || keys.matches(Binding::Left2, key))
        return LevelCommand::Left;
    if (keys.matches(Binding::Right, key) || keys.matches(Binding::Right2, key))
        return LevelCommand::Right;
    return LevelCommand::None;
}

LevelCommand level_button_command(ControllerButton button) {
    switch (button) {
    case ControllerButton::B:
        return LevelCommand::Undo;
    case ControllerButton::Y:
        return LevelCommand::Reset;
    case ControllerButton::Back:
        return LevelCommand::Leave;
    case ControllerButton::LeftShoulder:
        return LevelCommand::PreviousSnake;
    case ControllerButton::RightShoulder:
        return LevelCommand::NextSnake;
    case ControllerButton::DpadUp:
        return LevelCommand::Up;
    case ControllerButton::DpadDown:
        return LevelCommand::Down;
    case ControllerButton::DpadLeft:
        return LevelCommand::Left;
    case ControllerButton::DpadRight:
        return LevelCommand::Right;
    default:
        return LevelCommand::None;
    }
}

std::optional<std::uint8_t> held_command_code(LevelCommand command) {
    switch (command) {
    case LevelCommand::Undo:
        return command::kUndo;
    case LevelCommand::Left:
        return command::kLeft;
    case LevelCommand::Right:
        return command::kRight;
    case LevelCommand::Up:
        return command::kUp;
    case LevelCommand::Down:
        return command::kDown;
    default:
        return std::nullopt;
    }
}

LevelAction level_action(const LevelPlay& play, StickPush& stick, const InputEvent& event,
                         const Keymap& keys) {
    switch (event.kind) {
    case InputKind::KeyDown:
        return press(level_key_command(event.code, keys));
    case InputKind::KeyUp:
        return release(level_key_command(event.code, keys));
    case InputKind::ButtonDown:
        return press(button_command(event.code));
    case InputKind::ButtonUp:
        return release(button_command(event.code));
    case InputKind::AxisMotion:
        return stick_action(play, stick, event);
    }
    return {};
}

LevelOutcome apply_level_action(LevelPlay& play, const LevelAction& action) {
    switch (action.kind) {
    case LevelActionKind::None:
        break;
    case LevelActionKind::Leave:
        return LevelOutcome::Leave;
    case LevelActionKind::Reset:
        reset(play);
        break;
    case LevelActionKind::NextSnake:
        cycle_selection(play, true);
        break;
    case LevelActionKind::PreviousSnake:
        cycle_selection(play, false);
        break;
    case LevelActionKind::PressHeld:
        press_held_command(play, action.code);
        break;
    case LevelActionKind::ReleaseHeld:
        release_held_command(play, action.code);
        break;
    case LevelActionKind::ReleaseStickX:
        release_held_command(play, command::kLeft);
        release_held_command(play, command::kRight);
        break;
    case LevelActionKind::ReleaseStickY:
        release_held_command(play, command::kUp);
        release_held_command(play, command::kDown);
        break;
    }
    return LevelOutcome::Stay;
}

} // namespace coilwend
