#include "levels/solution_letters.hpp"

#include "game/log.hpp"

#include <algorithm>

namespace coilwend {
namespace {

char letter_of(Direction d) {
    if (d == kUp)
        return 'U';
    if (d == kDown)
        return 'D';
    return d == kLeft ? 'L' : 'R';
}

} // namespace

std::optional<Selection> keyboard_start_selection(const Puzzle& start) {
    for (std::size_t i = 0; i < start.snakes.size(); ++i)
        if (!start.snakes[i].companion && !start.snakes[i].cells.empty())
            return Selection{i, false};
    return std::nullopt;
}

LevelPlay start_keyboard_play(const Puzzle& start) {
    LevelPlay play = make_level_play(start);
    play.selection = keyboard_start_selection(start);
    return play;
}

std::string solution_letters(const Puzzle& start, const std::vector<SolverMove>& moves) {
    LevelPlay play = start_keyboard_play(start);
    std::string letters;
    for (const SolverMove& m : moves) {
        const Selection wanted{m.snake, m.front};
        // Every selectable end comes round within one cycle; more presses mean
        // the move names an end that does not exist.
        const std::size_t limit = 2 * play.current().snakes.size() + 1;
        for (std::size_t presses = 0; play.selection != wanted; ++presses) {
            if (presses == limit)
                fatal("A solver move names a snake end that cannot be selected");
            cycle_selection(play, true);
            letters += 'N';
        }
        letters += letter_of(m.direction);
        try_move(play, m.direction, false);
    }
    return letters;
}

bool play_letters(LevelPlay& play, std::string_view letters) {
    for (const char c : letters) {
        switch (c) {
        case 'U':
            run_command(play, command::kUp);
            break;
        case 'D':
            run_command(play, command::kDown);
            break;
        case 'L':
            run_command(play, command::kLeft);
            break;
        case 'R':
            run_command(play, command::kRight);
            break;
        case 'N':
            cycle_selection(play, true);
            break;
        default:
            return false;
        }
    }
    return true;
}

std::size_t move_count(std::string_view letters) {
    return static_cast<std::size_t>(
        std::count_if(letters.begin(), letters.end(), [](char c) { return c != 'N'; }));
}

} // namespace coilwend
