#pragma once
// The sound switch lives with audio, below the scene flow; the shell reaches
// it through here as well.

#include "audio/sound_switch.hpp"
