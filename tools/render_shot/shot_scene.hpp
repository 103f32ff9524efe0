#pragma once
// The level state a screenshot shows: a level played from its keyboard start
// through a string of key letters, with the last move's animation (or the
// level's opening) frozen at a chosen progress.

#include "game/level_play.hpp"

#include <optional>
#include <string>

namespace render_shot {

struct ShotRequest {
    std::string level;             // identifier such as "38.rs"
    std::string moves;             // U, D, L, R, N as the solver prints them
    std::optional<float> progress; // freeze the last move's animation here (0 = done, 1 = begun)
    std::optional<float> intro;    // instead show the level's opening at this progress
};

// Plays the request; the error text is empty on success.
struct ShotScene {
    std::optional<coilwend::LevelPlay> play;
    std::string error;
};
ShotScene prepare_shot(const ShotRequest& request);

} // namespace render_shot
