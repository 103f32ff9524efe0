#include "main/overworld_input.hpp"

namespace coilwend {

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
