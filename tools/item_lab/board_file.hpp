#pragma once
// Candidate boards kept in a plain text file while they are being designed:
// each one opens with a line "== ID Title" and continues with a picture in the
// format of board_text.hpp. Lines before the first "==" and lines starting
// with "//" (the designer's notes) are ignored.

#include "game/puzzle.hpp"

#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace coilwend {

struct DraftBoard {
    std::string id;
    std::string title;
    std::string picture; // begins with a line feed, as in the catalogue sources
    unsigned line = 0;   // line of the "==" line in the file
};

std::vector<DraftBoard> split_drafts(std::string_view text);

// Parsed drafts keep their texts alive here, since a Puzzle only points at its name.
class DraftShelf {
  public:
    // The puzzle, or the parser's complaint in error.
    std::optional<Puzzle> parse(const DraftBoard& draft, std::uint8_t setting, std::string& error);

  private:
    std::deque<std::string> texts_;
};

} // namespace coilwend
