#include "input/input_device.hpp"

namespace coilwend {
namespace {

InputDevice& stored_device() {
    static InputDevice device = InputDevice::Mouse;
    return device;
}

} // namespace

InputDevice last_input_device() {
    return stored_device();
}

void set_last_input_device(InputDevice device) {
    stored_device() = device;
}

bool note_input(const InputEvent& event) {
    switch (event.kind) {
    case InputKind::KeyDown:
        set_last_input_device(InputDevice::Keyboard);
        return !event.auto_repeat;
    case InputKind::ButtonDown:
        set_last_input_device(InputDevice::Controller);
        return true;
    case InputKind::KeyUp:
    case InputKind::ButtonUp:
    case InputKind::AxisMotion:
        return true;
    }
    return true;
}

} // namespace coilwend
