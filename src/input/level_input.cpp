#include "input/level_input.hpp"

#include "game/event_playback.hpp"
#include "input/command_table.hpp"

#include <utility>

namespace coilwend {
namespace {

// Level play's key bindings in order of precedence.
constexpr BoundCommand<LevelCommand> kKeyCommands[] = {
    {LevelCommand::Leave, Binding::Exit, std::nullopt},
    {LevelCommand::Undo, Binding::Undo, std::nullopt},
    {LevelCommand::Reset, Binding::Reset, std::nullopt},
    {LevelCommand::NextSnake, Binding::CycleForward, Binding::CycleForward2},
    {LevelCommand::PreviousSnake, Binding::CycleBackward, std::nullopt},
    {LevelCommand::Up, Binding::Up, Binding::Up2},
    {LevelCommand::Down, Binding::Down, Binding::Down2},
    {LevelCommand::Left, Binding::Left, Binding::Left2},
    {LevelCommand::Right, Binding::Right, Binding::Right2},
    {LevelCommand::Hint, Binding::Hint, std::nullopt},
};

constexpr Pairing<ControllerButton, LevelCommand> kButtonCommands[] = {
    {ControllerButton::X, LevelCommand::Hint},
    {ControllerButton::RightStick, LevelCommand::Redo},
    {ControllerButton::B, LevelCommand::Undo},
    {ControllerButton::Y, LevelCommand::Reset},
    {ControllerButton::Back, LevelCommand::Leave},
    {ControllerButton::LeftShoulder, LevelCommand::PreviousSnake},
    {ControllerButton::RightShoulder, LevelCommand::NextSnake},
    {ControllerButton::DpadUp, LevelCommand::Up},
    {ControllerButton::DpadDown, LevelCommand::Down},
    {ControllerButton::DpadLeft, LevelCommand::Left},
    {ControllerButton::DpadRight, LevelCommand::Right},
};

// The commands that repeat while held, with their run_command codes.
constexpr Pairing<LevelCommand, std::uint8_t> kHeldCodes[] = {
    {LevelCommand::Undo, command::kUndo},   {LevelCommand::Left, command::kLeft},
    {LevelCommand::Right, command::kRight}, {LevelCommand::Up, command::kUp},
    {LevelCommand::Down, command::kDown},
};

LevelCommand button_command(std::int32_t code) {
    const auto button = known_button(code);
    return button ? level_button_command(*button) : LevelCommand::None;
}

// The commands that act once per press; the held ones are in kHeldCodes.
constexpr Pairing<LevelCommand, LevelActionKind> kPressActions[] = {
    {LevelCommand::Leave, LevelActionKind::Leave},
    {LevelCommand::Reset, LevelActionKind::Reset},
    {LevelCommand::NextSnake, LevelActionKind::NextSnake},
    {LevelCommand::PreviousSnake, LevelActionKind::PreviousSnake},
    {LevelCommand::Hint, LevelActionKind::Hint},
    {LevelCommand::Redo, LevelActionKind::Redo},
};

// Redo's fixed keys, before any binding: Shift+Z must not undo.
bool is_redo_key(const InputEvent& event) {
    const std::uint8_t held = event.modifiers & (modifier::kShift | modifier::kCtrl);
    return (event.code == keycode::kY && held == modifier::kCtrl) ||
           (event.code == keycode::kZ && held == modifier::kShift);
}

LevelAction press(LevelCommand command) {
    if (const auto code = held_command_code(command))
        return {LevelActionKind::PressHeld, *code};
    const auto kind = look_up<LevelCommand, LevelActionKind>(kPressActions, command);
    return {kind.value_or(LevelActionKind::None), 0};
}

LevelAction release(LevelCommand command) {
    if (const auto code = held_command_code(command))
        return {LevelActionKind::ReleaseHeld, *code};
    return {};
}

// A stick pushed past the threshold acts like a held d-pad direction, but
// only while nothing else is held, so a drifting stick cannot take over a held
// key; it may turn its own hold to another direction of the same axis.
// Coming back inside the threshold it ends the hold it started, if that is
// still the one held.
LevelAction stick_action(const LevelPlay& play, StickPush& stick, const InputEvent& event) {
    const bool horizontal = event.code == static_cast<std::int32_t>(ControllerAxis::LeftX);
    const bool vertical = event.code == static_cast<std::int32_t>(ControllerAxis::LeftY);
    if (!horizontal && !vertical)
        return {};
    bool& pushed = horizontal ? stick.horizontal : stick.vertical;
    const bool own_axis = stick.hold != 0 && stick.hold_horizontal == horizontal;
    const std::int32_t value = event.axis_value;
    if (value <= kStickThreshold && value >= -kStickThreshold) {
        if (!pushed)
            return {};
        pushed = false;
        if (!own_axis)
            return {};
        const std::uint8_t code = std::exchange(stick.hold, 0);
        return {LevelActionKind::ReleaseHeld, code};
    }
    pushed = true;
    const bool own_hold = own_axis && play.repeat_active != 0 && play.repeat_command == stick.hold;
    if (play.repeat_active != 0 && !own_hold)
        return {};
    // SDL's vertical axis grows downward.
    const LevelAction action = horizontal
                                   ? press(value > 0 ? LevelCommand::Right : LevelCommand::Left)
                                   : press(value > 0 ? LevelCommand::Down : LevelCommand::Up);
    if (own_hold && action.code == stick.hold)
        return {};
    stick.hold = action.code;
    stick.hold_horizontal = horizontal;
    return action;
}

// A key or button starting a hold takes it over, even the stick's own.
LevelAction key_or_button_press(StickPush& stick, LevelCommand command) {
    const LevelAction action = press(command);
    if (action.kind == LevelActionKind::PressHeld)
        stick.hold = 0;
    return action;
}

} // namespace

LevelCommand level_key_command(Keycode key, const Keymap& keys) {
    if (key == keycode::kAcBack)
        return LevelCommand::Leave;
    return first_bound_command<LevelCommand>(kKeyCommands, key, keys).value_or(LevelCommand::None);
}

LevelCommand level_button_command(ControllerButton button) {
    return look_up<ControllerButton, LevelCommand>(kButtonCommands, button)
        .value_or(LevelCommand::None);
}

std::optional<std::uint8_t> held_command_code(LevelCommand command) {
    return look_up<LevelCommand, std::uint8_t>(kHeldCodes, command);
}

LevelAction level_action(const LevelPlay& play, StickPush& stick, const InputEvent& event,
                         const Keymap& keys) {
    switch (event.kind) {
    case InputKind::KeyDown:
        if (is_redo_key(event))
            return press(LevelCommand::Redo);
        return key_or_button_press(stick, level_key_command(event.code, keys));
    case InputKind::KeyUp:
        return release(level_key_command(event.code, keys));
    case InputKind::ButtonDown:
        return key_or_button_press(stick, button_command(event.code));
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
    case LevelActionKind::Hint:
        return LevelOutcome::ShowHint;
    case LevelActionKind::Redo:
        redo(play);
        break;
    }
    return LevelOutcome::Stay;
}

} // namespace coilwend
