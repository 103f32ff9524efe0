#include "overworld/game.hpp"

#include "audio/audio_system.hpp"
#include "game/event_playback.hpp"
#include "levels/catalogue.hpp"
#include "main/input_device.hpp"

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
    // The board's camera shows the previous level until this one is drawn;
    // the pointer maps to nothing until then.
    play_->camera = nullptr;
    play_->sounds = &sound_bank();
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
    if (board_ != nullptr)
        board_->set_window_size(width, height);
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
    play_->camera = &board_->camera();
}

} // namespace coilwend
