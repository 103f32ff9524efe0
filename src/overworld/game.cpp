#include "overworld/game.hpp"

#include "game/event_playback.hpp"
#include "levels/catalogue.hpp"
#include "main/input_device.hpp"

namespace coilwend {

Game::Game() : selected_level_("12.rs") {
    enter_level();
}

void Game::enter_level() {
    const StartSelection selection = last_input_device() == InputDevice::Mouse
                                         ? StartSelection::None
                                         : StartSelection::FirstSnake;
    play_ = start_level(find_level(selected_level_).puzzle, selection);
    update_camera();
}

void Game::leave_level(LevelEnd end) {
    (void)end; // Completion has no consequence until progress is kept.
    play_.reset();
    enter_level();
}

LevelPlay* Game::level_play() {
    return play_ ? &*play_ : nullptr;
}

bool Game::transition_running() const {
    return false;
}

void Game::set_window_size(std::uint32_t width, std::uint32_t height) {
    window_width_ = width;
    window_height_ = height;
    update_camera();
}

void Game::update_camera() {
    if (!play_)
        return;
    if (window_width_ == 0 || window_height_ == 0) {
        play_->camera = nullptr; // no window yet: the pointer maps to nothing
        return;
    }
    const Puzzle& puzzle = play_->current();
    camera_ = make_board_camera(window_width_, window_height_, puzzle.width, puzzle.height);
    play_->camera = &camera_;
}

void Game::step() {
    if (!play_)
        return;
    repeat_held_command(*play_);
    step_stuck_phase(*play_);
    advance_front_event(*play_);
    if (level_solved(*play_))
        leave_level(LevelEnd::Completed);
}

} // namespace coilwend
