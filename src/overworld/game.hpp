#pragma once
// The scene controller that the main loop owns and steps once per pass.
//
// For now it plays a single level: the game starts straight into it, and
// leaving it (solved or not) starts it afresh. The loop only uses the calls
// below; the overworld, menus, transitions, saving and drawing build on them.

#include "game/board_camera.hpp"
#include "game/level_play.hpp"

#include <cstdint>
#include <optional>
#include <string_view>

namespace coilwend {

enum class LevelEnd : std::uint8_t { Abandoned, Completed };

class Game {
  public:
    Game();
    // LevelPlay keeps a pointer to the game's board camera, so the game stays put.
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // Starts the selected level; a snake is selected at once unless the
    // player last used the mouse.
    void enter_level();
    // Drops the played level; the caller must not use level_play() from
    // before this call afterwards.
    void leave_level(LevelEnd end);

    // The level being played, or null on the overworld.
    LevelPlay* level_play();
    // True while a scene transition runs; the overworld takes no input then.
    bool transition_running() const;

    // The window's size in window units, for mapping the pointer to cells.
    void set_window_size(std::uint32_t width, std::uint32_t height);

    // One pass: repeats held commands, pulses the stuck hint, plays the
    // front animation and leaves a level once it is solved and shown so.
    void step();

  private:
    void update_camera();

    std::string_view selected_level_;
    std::optional<LevelPlay> play_;
    BoardCamera camera_;
    std::uint32_t window_width_ = 0;
    std::uint32_t window_height_ = 0;
};

} // namespace coilwend
