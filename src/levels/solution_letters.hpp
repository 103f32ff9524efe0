#pragma once
// Solutions written as the keys a player presses: U, D, L, R for the four
// move commands and N for the next-snake command, played from the level's
// start with the keyboard (the first snake that is not a companion selected,
// led by its last cell).

#include "game/level_play.hpp"
#include "levels/solver.hpp"

#include <string>
#include <string_view>
#include <vector>

namespace coilwend {

// The selection a level starts with when the keyboard or a controller was used last.
std::optional<Selection> keyboard_start_selection(const Puzzle& start);

// A fresh play of the level, as the game starts it for keyboard players.
LevelPlay start_keyboard_play(const Puzzle& start);

// The moves as letters, with N inserted wherever the moving end is not the selected one.
std::string solution_letters(const Puzzle& start, const std::vector<SolverMove>& moves);

// Presses the letters in order through run_command and cycle_selection; false
// when a letter is not one of U, D, L, R, N.
bool play_letters(LevelPlay& play, std::string_view letters);

// The number of move letters (everything but N).
std::size_t move_count(std::string_view letters);

} // namespace coilwend
