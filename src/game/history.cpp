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
    play.redo.push_back({play.history.back(), play.selection});
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
    // Redo after a reset walks the moves since the previous start again,
    // first move first, before anything undo had already taken back. Each
    // position comes back with the selection the player had there (the one
    // the next move was made with), never one that named a snake since gone.
    const std::size_t last = play.history.size() - 1;
    for (std::size_t i = last; i > 0 && !play.history[i].reset; --i)
        play.redo.push_back(
            {play.history[i], i == last ? play.selection : play.history[i + 1].selection});
    // A reset is itself a step in the history, so it can be undone.
    HistoryEntry fresh = play.history.front();
    fresh.reset = true;
    play.history.push_back(std::move(fresh));
    if (play.sounds != nullptr)
        play.sounds->play(cue::kReset);
    play.events.clear();
}

void redo(LevelPlay& play) {
    if (play.redo.empty() || is_complete(play.current()))
        return;
    RedoEntry next = std::move(play.redo.back());
    play.redo.pop_back();
    play.stuck.reset();
    play.history.push_back(std::move(next.entry));
    play.selection = next.selection;
    if (play.sounds != nullptr)
        play.sounds->play(cue::kUndo);
    play.events.clear();
}

std::size_t moves_since_reset(const LevelPlay& play) {
    std::size_t moves = 0;
    for (std::size_t i = play.history.size() - 1; i > 0 && !play.history[i].reset; --i)
        ++moves;
    return moves;
}

} // namespace coilwend
