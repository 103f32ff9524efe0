#pragma once
// Turns a reviewed board picture (board_text.hpp) into the Level the rules
// play, or says exactly what is wrong with it and where.

#include "game/puzzle.hpp"
#include "levels/board_text.hpp"

#include <optional>
#include <string>

namespace coilwend {

struct BoardParse {
    std::optional<Level> level;
    // When level is empty: names the level, the source file and line, and the fault.
    std::string error;
};

BoardParse parse_board(const BoardText& text);

// The designer's one-line note on the level's key idea (the "idea:" line), or empty.
std::string_view board_idea(const BoardText& text);

// The start-up path: a malformed definition ends the program with the parse error.
Level parse_board_or_die(const BoardText& text);

} // namespace coilwend
