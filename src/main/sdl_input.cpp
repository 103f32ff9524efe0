#include "main/sdl_input.hpp"

namespace coilwend {
namespace {

// The input tables spell SDL's numbers out so they need no SDL headers.
static_assert(keycode::kAcBack == SDLK_AC_BACK);
static_assert(keycode::kUp == SDLK_UP && keycode::kDown == SDLK_DOWN);
static_assert(keycode::kLeft == SDLK_LEFT && keycode::kRight == SDLK_RIGHT);
static_assert(keycode::kTab == SDLK_TAB && keycode::kReturn == SDLK_RETURN);
static_assert(keycode::kEscape == SDLK_ESCAPE);
static_assert(static_cast<int>(ControllerButton::A) == SDL_CONTROLLER_BUTTON_A);
static_assert(static_cast<int>(ControllerButton::Back) == SDL_CONTROLLER_BUTTON_BACK);
static_assert(static_cast<int>(ControllerButton::Start) == SDL_CONTROLLER_BUTTON_START);
static_assert(static_cast<int>(ControllerButton::LeftShoulder) ==
              SDL_CONTROLLER_BUTTON_LEFTSHOULDER);
static_assert(static_cast<int>(ControllerButton::DpadUp) == SDL_CONTROLLER_BUTTON_DPAD_UP);
static_assert(static_cast<int>(ControllerButton::DpadRight) == SDL_CONTROLLER_BUTTON_DPAD_RIGHT);
static_assert(static_cast<int>(ControllerAxis::LeftX) == SDL_CONTROLLER_AXIS_LEFTX);
static_assert(static_cast<int>(ControllerAxis::LeftY) == SDL_CONTROLLER_AXIS_LEFTY);
static_assert(static_cast<int>(ControllerAxis::TriggerLeft) == SDL_CONTROLLER_AXIS_TRIGGERLEFT);
static_assert(static_cast<int>(ControllerAxis::TriggerRight) == SDL_CONTROLLER_AXIS_TRIGGERRIGHT);
static_assert(keycode::kF11 == SDLK_F11 && keycode::kH == SDLK_h && keycode::kY == SDLK_y);
static_assert(static_cast<int>(ControllerButton::X) == SDL_CONTROLLER_BUTTON_X);
static_assert(static_cast<int>(ControllerButton::RightStick) == SDL_CONTROLLER_BUTTON_RIGHTSTICK);

std::uint8_t modifier_bits(Uint16 mod) {
    std::uint8_t bits = 0;
    if ((mod & KMOD_SHIFT) != 0)
        bits |= modifier::kShift;
    if ((mod & KMOD_CTRL) != 0)
        bits |= modifier::kCtrl;
    if ((mod & KMOD_ALT) != 0)
        bits |= modifier::kAlt;
    return bits;
}

} // namespace

std::optional<InputEvent> to_input_event(const SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        return InputEvent{InputKind::KeyDown, event.key.keysym.sym, 0, event.key.repeat != 0,
                          modifier_bits(event.key.keysym.mod)};
    case SDL_KEYUP:
        return InputEvent{InputKind::KeyUp, event.key.keysym.sym, 0, false,
                          modifier_bits(event.key.keysym.mod)};
    case SDL_CONTROLLERBUTTONDOWN:
        return InputEvent{InputKind::ButtonDown, event.cbutton.button, 0, false};
    case SDL_CONTROLLERBUTTONUP:
        return InputEvent{InputKind::ButtonUp, event.cbutton.button, 0, false};
    case SDL_CONTROLLERAXISMOTION:
        return InputEvent{InputKind::AxisMotion, event.caxis.axis, event.caxis.value, false};
    default:
        return std::nullopt;
    }
}

} // namespace coilwend
