#pragma once
// The level state a screenshot shows: a level played from its start
// through a string of key letters, with the last move's animation (or the
// level's opening) frozen at a chosen progress.

#include "game/event_playback.hpp"
#include "game/level_play.hpp"

#include <optional>
#include <string>

namespace render_shot {

struct ShotRequest {
    std::string level; // identifier such as "38.rs"
    // Or a board picture read from a file (the catalogue's picture format,
    // header line first), with its title and setting.
    std::string board_file;
    std::string title = "Screenshot";
    int setting = 0;
    std::string moves;             // U, D, L, R, N as the solver prints them
    std::optional<float> progress; // freeze the last move's animation here (0 = done, 1 = begun)
    std::optional<float> intro;    // instead show the level's opening at this progress
    // A player on the mouse starts without a selected snake, as in the game.
    coilwend::StartSelection start = coilwend::StartSelection::FirstSnake;
};

// Plays the request; the error text is empty on success. The puzzle of a
// board file refers to text kept for the rest of the process.
struct ShotScene {
    std::optional<coilwend::LevelPlay> play;
    std::string error;
};
ShotScene prepare_shot(const ShotRequest& request);

} // namespace render_shot
