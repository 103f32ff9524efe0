#pragma once
// The sound switch moved to the audio layer; this name stays for its callers.

#include "audio/sound_switch.hpp"
