#include "overworld/game.hpp"

#include "game/event_playback.hpp"
#include "game/input_device.hpp"
#include "levels/catalogue.hpp"

namespace coilwend {
namespace {

PromptDevice prompt_device(InputDevice device) {
    switch (device) {
    case InputDevice::Keyboard:
        return PromptDevice::Keyboard;
    case InputDevice::Controller:
        return PromptDevice::Controller;
    case InputDevice::Mouse:
        break;
    }
    return PromptDevice::Mouse;
}

} // namespace

Game::Game(BoardView* board) : board_(board), levels_(build_overworld_table()) {
    enter_level();
}

void Game::enter_level() {
    const StartSelection selection = last_input_device() == InputDevice::Mouse
                                         ? StartSelection::None
                                         : StartSelection::FirstSnake;
    play_ = start_level(find_level(levels_[selected_].id).puzzle, selection);
    update_level_camera();
}

void Game::leave_level(LevelEnd end) {
    play_.reset();
    last_level_end_ = end;
    advance_to_next_level();
}

// Stand-in for the scene flow. Until the overworld exists, leaving a level
// goes straight into the next entry of the overworld table (wrapping), so the
// whole catalogue can be played through. The scene flow replaces this with the
// leaving transition and the return to the overworld.
void Game::advance_to_next_level() {
    selected_ = (selected_ + 1) % levels_.size();
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
    if (board_ != nullptr)
        board_->set_window_size(width, height);
    update_level_camera();
}

// The renderer builds the same camera from the same numbers when it draws the
// level, so the pointer can be mapped before the first frame is on screen.
void Game::update_level_camera() {
    if (!play_ || window_width_ == 0 || window_height_ == 0) {
        level_camera_.reset();
        return;
    }
    const Puzzle& puzzle = play_->current();
    level_camera_ = make_board_camera(window_width_, window_height_, puzzle.width, puzzle.height);
}

const BoardCamera* Game::level_camera() const {
    return level_camera_ ? &*level_camera_ : nullptr;
}

void Game::step() {
    if (update())
        draw();
}

bool Game::update() {
    if (!play_)
        return true;
    repeat_held_command(*play_);
    step_stuck_phase(*play_);
    advance_front_event(*play_);
    if (level_solved(*play_)) {
        leave_level(LevelEnd::Completed);
        return false;
    }
    return true;
}

void Game::draw() {
    if (!play_ || board_ == nullptr)
        return;
    BoardFrame frame;
    frame.puzzle = &shown_entry(*play_).puzzle;
    frame.event = play_->events.empty() ? nullptr : &play_->events.front();
    frame.history_length = play_->history.size();
    frame.selection = play_->selection;
    frame.prompts = prompt_device(last_input_device());
    board_->draw(frame);
}

} // namespace coilwend
