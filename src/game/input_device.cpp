#include "game/input_device.hpp"

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

} // namespace coilwend
