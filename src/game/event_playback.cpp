#include "game/event_playback.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend {

namespace {

constexpr std::uint32_t kFirstRepeatDelay = 25;
constexpr std::uint32_t kRepeatInterval = 10;

// Moves progress toward zero by at most `amount`; true once it reaches zero.
bool approach_zero(float& progress, float amount) {
    const float change = std::min(std::fabs(progress), amount);
    progress += progress > 0 ? -change : change;
    return progress == 0.0f;
}

void play_cue(LevelPlay& play, std::uint8_t cue) {
    if (play.sounds != nullptr)
        play.sounds->play(cue);
}

// One pass of the exit: the step into the exit, then a crawl stage per cell
// until the whole snake is inside, then the closing iris.
void advance_exit(LevelPlay& play, MoveEvent& event) {
    if (!approach_zero(event.progress, 0.1f))
        return;
    std::vector<Pos>& cells = event.cells;
    const bool fully_inside = cells.size() < 2 || std::all_of(cells.begin(), cells.end(),
                                                              [&](Pos c) { return c == cells[0]; });
    if (fully_inside) {
        play_cue(play, cue::kExit);
        event.kind = MoveEventKind::Leaving;
        event.progress = 1.0f;
        return;
    }
    std::size_t repeats = 0;
    for (std::size_t i = 1; i < cells.size(); ++i)
        if (cells[i] == cells[i - 1])
            ++repeats;
    // Each crawl stage plays like a plain step of the copy: the cell it gives
    // up is its trailing cell, and nothing is eaten on the way in.
    event.trailing = cells.front();
    event.eaten.reset();
    event.crawling = true;
    // Every cell takes its neighbour's place toward the exit; the last stays.
    std::rotate(cells.begin(), cells.begin() + 1, cells.end());
    cells.back() = cells[cells.size() - 2];
    play_cue(play, static_cast<std::uint8_t>(repeats % 3));
    event.progress = -1.0f;
}

} // namespace

LevelPlay start_level(const Puzzle& start, StartSelection selection) {
    LevelPlay play = make_level_play(start);
    MoveEvent intro;
    intro.kind = start.name == "Humble Beginnings" ? MoveEventKind::Intro : MoveEventKind::IrisIn;
    intro.progress = 0.0f;
    play.events.push_back(std::move(intro));
    play.random = 1;
    if (selection == StartSelection::FirstSnake)
        for (std::size_t i = 0; i < start.snakes.size(); ++i)
            if (!start.snakes[i].companion && !start.snakes[i].cells.empty()) {
                play.selection = Selection{i, false};
                break;
            }
    return play;
}

void press_held_command(LevelPlay& play, std::uint8_t code) {
    if (!(play.repeat_active != 0 && play.repeat_command == code))
        run_command(play, code);
    play.repeat_active = 1;
    play.repeat_countdown = kFirstRepeatDelay;
    play.repeat_command = code;
}

void release_held_command(LevelPlay& play, std::uint8_t code) {
    if (play.repeat_command == code)
        play.repeat_active = 0;
}

void repeat_held_command(LevelPlay& play) {
    if (play.repeat_active == 0)
        return;
    if (play.repeat_countdown == 0) {
        run_command(play, play.repeat_command);
        play.repeat_countdown = kRepeatInterval;
    } else {
        --play.repeat_countdown;
    }
}

void step_stuck_phase(LevelPlay& play) {
    if (play.stuck)
        *play.stuck = (*play.stuck + 49) % 50;
}

void advance_front_event(LevelPlay& play) {
    if (play.events.empty())
        return;
    const std::size_t queued = play.events.size();
    MoveEvent& event = play.events.front();
    bool finished = false;
    switch (event.kind) {
    case MoveEventKind::Step:
        // A backlog of moves plays faster.
        finished = approach_zero(event.progress, 0.1f * static_cast<float>(queued));
        break;
    case MoveEventKind::Bump:
        finished = approach_zero(event.progress, 0.1f);
        break;
    case MoveEventKind::Vanish:
        event.progress += 0.04f;
        finished = event.progress > 1.0f;
        break;
    case MoveEventKind::Exit:
        advance_exit(play, event);
        break;
    case MoveEventKind::Leaving:
        event.progress -= 0.05f;
        finished = event.progress < 0.0f;
        break;
    case MoveEventKind::Intro:
        // Loops until the player does something.
        event.progress = std::fmod(event.progress + 0.03f, 4.0f);
        finished = queued > 1;
        break;
    case MoveEventKind::IrisIn:
        event.progress += 0.05f;
        finished = event.progress > 1.0f;
        break;
    case MoveEventKind::None:
        finished = true;
        break;
    }
    if (finished)
        play.events.pop_front();
}

bool level_solved(const LevelPlay& play) {
    return play.events.empty() && is_complete(play.current());
}

const HistoryEntry& shown_entry(const LevelPlay& play) {
    if (!play.events.empty() && play.events.front().history_index < play.history.size())
        return play.history[play.events.front().history_index];
    return play.history.back();
}

} // namespace coilwend
