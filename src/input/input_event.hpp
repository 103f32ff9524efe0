#pragma once
// One player input, reduced to plain numbers: what the translation tables
// need from an SDL key, controller button or controller axis event.

#include "input/keymap.hpp"

#include <cstdint>

namespace coilwend {

// SDL's game-controller button numbers (SDL_GameControllerButton).
enum class ControllerButton : std::uint8_t {
    A = 0,
    B = 1,
    X = 2,
    Y = 3,
    Back = 4,
    Guide = 5,
    Start = 6,
    LeftStick = 7,
    RightStick = 8,
    LeftShoulder = 9,
    RightShoulder = 10,
    DpadUp = 11,
    DpadDown = 12,
    DpadLeft = 13,
    DpadRight = 14,
};

// SDL's game-controller axis numbers (SDL_GameControllerAxis).
enum class ControllerAxis : std::uint8_t {
    LeftX = 0,
    LeftY = 1,
    RightX = 2,
    RightY = 3,
    TriggerLeft = 4,
    TriggerRight = 5,
};

// A stick or trigger counts as pushed beyond this value (about 70% of full travel).
inline constexpr std::int32_t kStickThreshold = 22931;

enum class InputKind : std::uint8_t { KeyDown, KeyUp, ButtonDown, ButtonUp, AxisMotion };

// The modifier keys held with a key, as bits of InputEvent::modifiers.
namespace modifier {
inline constexpr std::uint8_t kShift = 1, kCtrl = 2, kAlt = 4;
}

struct InputEvent {
    InputKind kind = InputKind::KeyDown;
    // KeyDown/KeyUp: the keycode; ButtonDown/ButtonUp: a ControllerButton;
    // AxisMotion: a ControllerAxis.
    std::int32_t code = 0;
    std::int16_t axis_value = 0; // AxisMotion only
    bool auto_repeat = false;    // KeyDown only: the system's key repeat, not a new press
    std::uint8_t modifiers = 0;  // KeyDown/KeyUp: the modifier:: bits held with the key

    static InputEvent key_down(Keycode key) { return {InputKind::KeyDown, key, 0, false}; }
    static InputEvent key_repeat(Keycode key) { return {InputKind::KeyDown, key, 0, true}; }
    static InputEvent key_up(Keycode key) { return {InputKind::KeyUp, key, 0, false}; }
    static InputEvent key_down_with(Keycode key, std::uint8_t modifiers) {
        return {InputKind::KeyDown, key, 0, false, modifiers};
    }
    static InputEvent button_down(ControllerButton button) {
        return {InputKind::ButtonDown, static_cast<std::int32_t>(button), 0, false};
    }
    static InputEvent button_up(ControllerButton button) {
        return {InputKind::ButtonUp, static_cast<std::int32_t>(button), 0, false};
    }
    static InputEvent axis(ControllerAxis axis, std::int16_t value) {
        return {InputKind::AxisMotion, static_cast<std::int32_t>(axis), value, false};
    }
};

} // namespace coilwend
