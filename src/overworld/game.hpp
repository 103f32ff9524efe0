#pragma once
// The scene controller that the main loop owns and steps once per pass.
//
// For now it plays the levels one after another: the game starts straight
// into the first entry of the overworld table, and leaving a level (solved
// or not) goes on to the next entry. The overworld, menus, transitions and
// saving build on the calls below; see advance_to_next_level.

#include "board_renderer/board_view.hpp"
#include "game/level_play.hpp"
#include "overworld/catalogue.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

enum class LevelEnd : std::uint8_t { Abandoned, Completed };

class Game {
  public:
    // Draws levels through board (which must outlive the game); without one,
    // step only updates, which is what tests without a GL context need.
    explicit Game(BoardView* board = nullptr);
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

    // The window's size in window units, for the board's camera.
    void set_window_size(std::uint32_t width, std::uint32_t height);
    // The camera the played level is shown with, known from the level's first
    // pass (before it is drawn); null on the overworld or before the window
    // size is known.
    const BoardCamera* level_camera() const;

    // One pass of the main loop: update, then draw.
    void step();
    // The frame's changes without drawing: repeats held commands, pulses the
    // stuck hint, plays the front animation and leaves a level once it is
    // solved and shown so. Returns false when the level was left, in which
    // case nothing is drawn this pass.
    bool update();
    // Draws the played level: the history entry the front animation belongs
    // to, at that animation's progress.
    void draw();

    // The overworld entries and the index of the current one.
    const std::vector<OverworldEntry>& levels() const { return levels_; }
    std::size_t selected() const { return selected_; }
    // How the last level ended, if one was left.
    std::optional<LevelEnd> last_level_end() const { return last_level_end_; }

  private:
    void advance_to_next_level();
    void update_level_camera();

    BoardView* board_ = nullptr;
    std::vector<OverworldEntry> levels_;
    std::size_t selected_ = 0;
    std::optional<LevelPlay> play_;
    std::optional<LevelEnd> last_level_end_;
    std::uint32_t window_width_ = 0, window_height_ = 0;
    std::optional<BoardCamera> level_camera_;
};

} // namespace coilwend
