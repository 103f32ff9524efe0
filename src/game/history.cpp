#include "game/level_play.hpp"

#include "game/log.hpp"

namespace coilwend {

const Puzzle& LevelPlay::current() const {
    if (history.empty())
        fatal("The level's history is empty");
    return history.back().puzzle;
}

const Puzzle& LevelPlay::start() const {
    if (history.empty())
        fatal("The level's history is empty");
    return history.front().puzzle;
}

LevelPlay make_level_play(const Puzzle& start) {
    LevelPlay play;
    play.history.push_back({start, std::nullopt});
    return play;
}

void run_command(LevelPlay& play, std::uint8_t code) {
    // A finished level takes neither moves nor undo; only reset starts it again.
    if (is_complete(play.current()))
        return;
    if (code == command::kUndo)
        undo(play);
    else
        try_move(play, command_direction(code), false);
}

void undo(LevelPlay& play) {
    if (play.history.empty())
        fatal("The level's history is empty");
    if (play.history.size() < 2)
        return;
    play.stuck.reset();
    play.selection = play.history.back().selection;
    play.history.pop_back();
    if (play.sounds != nullptr)
        play.sounds->play(cue::kUndo);
    play.events.clear();
}

void reset(LevelPlay& play) {
    play.stuck.reset();
    if (play.current() == play.start())
        return;
    // A reset is itself a step in the history, so it can be undone.
    HistoryEntry fresh = play.history.front();
    play.history.push_back(std::move(fresh));
    if (play.sounds != nullptr)
        play.sounds->play(cue::kReset);
    play.events.clear();
}

} // namespace coilwend
