#include "main/level_input.hpp"

namespace coilwend {
namespace {

LevelCommand button_command(std::int32_t code) {
    if (code < 0 || code > static_cast<std::int32_t>(ControllerButton::DpadRight))
        return LevelCommand::None; // buttons the game does not use (paddles, touchpad, ...)
    return level_button_command(static_cast<ControllerButton>(code));
}

LevelAction action_for_press(LevelPlay& play, LevelCommand command) {
    if (const auto code = held_command_code(command)) {
        if (press_hold(play, *code))
            return {LevelActionKind::Run, *code};
        return {};
    }
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

void release(LevelPlay& play, LevelCommand command) {
    if (const auto code = held_command_code(command))
        release_hold(play, *code);
}

// A stick pushed past the threshold acts like a held d-pad direction, but
// only while nothing else is held, so a drifting stick cannot take over a
// held key; back inside the threshold it releases both directions of its axis.
LevelAction stick_action(LevelPlay& play, const InputEvent& event) {
    LevelCommand negative;
    LevelCommand positive;
    if (event.code == static_cast<std::int32_t>(ControllerAxis::LeftX)) {
        negative = LevelCommand::Left;
        positive = LevelCommand::Right;
    } else if (event.code == static_cast<std::int32_t>(ControllerAxis::LeftY)) {
        negative = LevelCommand::Up; // SDL's vertical axis grows downward
        positive = LevelCommand::Down;
    } else {
        return {};
    }
    const std::int32_t value = event.axis_value;
    if (value > kStickThreshold || value < -kStickThreshold) {
        if (play.repeat_active != 0)
            return {};
        return action_for_press(play, value > 0 ? positive : negative);
    }
    release(play, negative);
    release(play, positive);
    return {};
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

bool press_hold(LevelPlay& play, std::uint8_t code) {
    const bool already_held = play.repeat_active != 0 && play.repeat_command == code;
    play.repeat_active = 1;
    play.repeat_countdown = kFirstRepeatDelay;
    play.repeat_command = code;
    return !already_held;
}

void release_hold(LevelPlay& play, std::uint8_t code) {
    if (play.repeat_active != 0 && play.repeat_command == code)
        play.repeat_active = 0;
}

LevelAction level_action(LevelPlay& play, const InputEvent& event, const Keymap& keys) {
    switch (event.kind) {
    case InputKind::KeyDown:
        return action_for_press(play, level_key_command(event.code, keys));
    case InputKind::KeyUp:
        release(play, level_key_command(event.code, keys));
        return {};
    case InputKind::ButtonDown:
        return action_for_press(play, button_command(event.code));
    case InputKind::ButtonUp:
        release(play, button_command(event.code));
        return {};
    case InputKind::AxisMotion:
        return stick_action(play, event);
    }
    return {};
}

std::optional<std::uint8_t> due_repeat(LevelPlay& play) {
    if (play.repeat_active == 0)
        return std::nullopt;
    if (play.repeat_countdown == 0) {
        play.repeat_countdown = kRepeatInterval;
        return play.repeat_command;
    }
    --play.repeat_countdown;
    return std::nullopt;
}

} // namespace coilwend
