#include "audio/sound_switch.hpp"

namespace coilwend {
namespace {

bool& stored_muted() {
    static bool muted = false;
    return muted;
}

} // namespace

bool sound_muted() {
    return stored_muted();
}
void set_sound_muted(bool muted) {
    stored_muted() = muted;
}

} // namespace coilwend
