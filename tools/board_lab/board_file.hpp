#pragma once
// Boards a designer keeps while drawing them: a scratch file of drafts, each
// opened by a line "= Name" (any number of '=') and followed by a picture in
// the format of board_text.hpp, or a file of bare pictures, each starting at
// its header line. Lines before the first board and lines starting with "//"
// (the designer's notes) are ignored.

#include "game/puzzle.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwend::board_lab {

struct Draft {
    std::string name;    // "1", "2", ... for bare pictures
    std::string picture; // begins with a line feed, as in the catalogue sources
    unsigned line = 0;   // line of the file the picture's leading line feed stands for
};

std::vector<Draft> split_drafts(std::string_view contents);

// The puzzle, or the parser's complaint (naming `file` and the line) in error.
// The puzzle's name stays valid for the rest of the program.
std::optional<Puzzle> parse_draft(const Draft& draft, std::uint8_t setting, std::string_view file,
                                  std::string& error);

// The whole of FILE, or of standard input for "-"; empty when it cannot be read.
std::optional<std::string> read_board_file(const std::string& file);

} // namespace coilwend::board_lab
