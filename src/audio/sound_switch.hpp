#pragma once
// The player's sound switch, process-wide: true while the sound is off. The
// settings file stores it; the main loop reads it before resuming music and
// the scene flow before changing the music's volume.

namespace coilwend {

bool sound_muted();
void set_sound_muted(bool muted);

} // namespace coilwend
