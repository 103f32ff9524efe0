// Any byte string played on a catalogue level as the player's input: moves,
// held commands, undo, redo, reset, snake changes, pointer presses, drags and
// releases in a window of any size, and animation passes. After every step
// the rules' invariants hold, and each command did exactly what it promises:
// undo restores the exact earlier state, redo the undone one, reset the start,
// a move is the solver's own step, and a finished level accepts nothing.
//
// Input: two bytes pick the level, one the starting selection, two the
// window's size; then one byte per step names the step, and some steps read
// one to three bytes more.

#include "fuzz/rules_invariants.hpp"
#include "game/board_camera.hpp"
#include "game/event_playback.hpp"
#include "input/level_pointer.hpp"
#include "levels/catalogue.hpp"

using namespace coilwend;
using coilwend::fuzzing::require;

namespace {

class ByteReader {
  public:
    ByteReader(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t next() { return at_ < size_ ? data_[at_++] : 0; }

  private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Session {
    const Puzzle& start;
    LevelPlay play;
    BoardCamera camera;
};

void key_move(Session& s, std::uint8_t code) {
    const Puzzle before = s.play.current();
    const auto selection = s.play.selection;
    const std::size_t length = s.play.history.size();
    std::optional<MoveResult> expected;
    if (selection && !s.play.current().snakes[selection->snake].cells.empty())
        expected = apply_move(before, selection->snake, selection->front, command_direction(code));
    run_command(s.play, code);
    if (expected && !is_complete(before)) {
        require(s.play.history.size() == length + 1, "a legal move is taken");
        require(s.play.current() == expected->puzzle, "a move is the solver's step");
        require(s.play.redo.empty(), "a move ends what redo could put back");
    } else {
        require(s.play.history.size() == length && s.play.current() == before,
                "a refused move changes nothing");
    }
}

void undo_step(Session& s) {
    const std::size_t length = s.play.history.size();
    const bool can_undo = length >= 2 && !is_complete(s.play.current());
    const HistoryEntry undone = s.play.history.back();
    const std::optional<Puzzle> earlier =
        can_undo ? std::optional<Puzzle>(s.play.history[length - 2].puzzle) : std::nullopt;
    run_command(s.play, command::kUndo);
    if (can_undo) {
        require(s.play.history.size() == length - 1 && s.play.current() == *earlier,
                "undo restores the exact earlier state");
        require(s.play.selection == undone.selection, "undo restores the earlier selection");
        require(!s.play.redo.empty() && s.play.redo.back().entry.puzzle == undone.puzzle,
                "redo can put back what undo took");
    } else {
        require(s.play.history.size() == length, "nothing to undo changes nothing");
    }
}

void redo_step(Session& s) {
    const std::size_t length = s.play.history.size();
    const bool can_redo = !s.play.redo.empty() && !is_complete(s.play.current());
    const std::optional<Puzzle> redone =
        can_redo ? std::optional<Puzzle>(s.play.redo.back().entry.puzzle) : std::nullopt;
    redo(s.play);
    if (can_redo)
        require(s.play.history.size() == length + 1 && s.play.current() == *redone,
                "redo puts back the undone state");
    else
        require(s.play.history.size() == length, "nothing to redo changes nothing");
}

void reset_step(Session& s) {
    const bool at_start = s.play.current() == s.start;
    const std::size_t length = s.play.history.size();
    reset(s.play);
    require(s.play.current() == s.start, "reset brings back the start");
    // A snake back on its starting cells needs no reset, and its moves still count.
    if (at_start)
        require(s.play.history.size() == length, "a reset at the start changes nothing");
    else
        require(s.play.history.back().reset && moves_since_reset(s.play) == 0,
                "reset starts the move count again");
}

void pointer_step(Session& s, std::uint8_t kind, std::uint8_t x, std::uint8_t y) {
    // Positions cover the window and a little beyond it on every side.
    const auto scale = [](std::uint8_t value, std::uint32_t side) {
        return static_cast<std::uint32_t>(value) * (side + side / 4) / 255;
    };
    const std::uint32_t px = scale(x, s.camera.viewport_width);
    const std::uint32_t py = scale(y, s.camera.viewport_height);
    const Puzzle before = s.play.current();
    const std::size_t length = s.play.history.size();
    switch (kind % 3) {
    case 0:
        pointer_pressed(s.play, s.camera, px, py);
        break;
    case 1:
        pointer_dragged(s.play, s.camera, px, py);
        break;
    default:
        pointer_released(s.play, s.camera, px, py);
        break;
    }
    if (s.play.history.size() == length)
        require(s.play.current() == before, "a pointer that moves nothing changes nothing");
    else
        require(s.play.history.size() == length + 1 &&
                    fuzzing::is_one_step(before, s.play.current()),
                "the pointer steers one legal step at a time");
}

// A command held for some passes of the main loop, with the animations and
// the stuck pulse advancing as they do between frames.
void held_step(Session& s, std::uint8_t code, std::uint8_t passes) {
    const std::size_t length = s.play.history.size();
    press_held_command(s.play, code % 5);
    for (std::uint8_t pass = 0; pass < passes % 64; ++pass) {
        repeat_held_command(s.play);
        step_stuck_phase(s.play);
        advance_front_event(s.play);
        fuzzing::check_play(s.play, s.start);
    }
    release_held_command(s.play, code % 5);
    require(s.play.history.size() <= length + 1 + passes % 64, "one step per pass at most");
    (void)shown_entry(s.play);
}

// Plays the next step; true when it was a reset.
bool play_step(Session& s, ByteReader& in) {
    const std::uint8_t step = in.next();
    switch (step % 10) {
    case 0:
    case 1:
    case 2:
    case 3:
        key_move(s, static_cast<std::uint8_t>(command::kLeft + step % 10));
        break;
    case 4:
        undo_step(s);
        break;
    case 5:
        redo_step(s);
        break;
    case 6:
        reset_step(s);
        return true;
    case 7:
        cycle_selection(s.play, step < 128);
        break;
    case 8: {
        const std::uint8_t x = in.next();
        pointer_step(s, step / 10, x, in.next());
        break;
    }
    default: {
        const std::uint8_t code = in.next();
        held_step(s, code, in.next());
        break;
    }
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ByteReader in(data, size);
    const std::vector<Level>& levels = level_definitions();
    const std::size_t low = in.next(); // read apart: the operands of | have no order
    const std::size_t choice = low | static_cast<std::size_t>(in.next()) << 8;
    const Puzzle& start = levels[choice % levels.size()].puzzle;
    const StartSelection selection =
        in.next() % 2 == 0 ? StartSelection::None : StartSelection::FirstSnake;
    const std::uint32_t width = 1 + in.next() * 8u, height = 1 + in.next() * 8u;
    Session s{start, start_level(start, selection),
              make_board_camera(width, height, start.width, start.height)};
    fuzzing::check_play(s.play, start);

    while (!in.done()) {
        const bool finished = is_complete(s.play.current());
        const Puzzle before = s.play.current();
        const std::size_t length = s.play.history.size();
        const bool was_reset = play_step(s, in);
        fuzzing::check_play(s.play, start);
        if (finished && !was_reset)
            require(s.play.history.size() == length && s.play.current() == before,
                    "a finished level accepts nothing but a reset");
    }
    return 0;
}
