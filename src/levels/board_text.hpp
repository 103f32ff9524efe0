#pragma once
// A level as text a person can review: the board drawn as four pictures side
// by side, parsed once at start-up into a Level.
//
// Each definition is written as
//
//     board("12.rs", "Parallel", 0, R"(
//     ground marks items snakes
//     ....   ....  ....  ...v
//     ....   ....  ....  >>bv
//     ....   E...  ....  >>cA
//     )"),
//
// with the identifier, the title, the setting (0 to 4) and the picture. The
// picture starts with the header line "ground marks items snakes" and then has
// one line per board row, the top row (largest y) first, because y grows up
// the screen. Each row holds the four layers, separated by spaces, one
// character per cell:
//
//   ground   '.' floor, '#' wall, '~' water
//   marks    '.' nothing, 'E' the exit, 'o' a target, '@' the exit on a target
//   items    '.' nothing, '+' an item that grows, '-' an item that shrinks
//   snakes   '.' no snake; a letter from a to p is the snake's last cell (the head that
//            leads unless the snake is two-headed and led by its first cell);
//            '>' '<' '^' 'v' are the other cells, each pointing at the next
//            cell on the way to the head
//
// The letter names the snake's index (a or A is snake 0, b or B snake 1, ...);
// an upper-case letter is a snake the player owns, a lower-case letter a
// companion. Following the arrows backwards from a head gives the cells in
// order, which stays unambiguous when a coiled snake touches itself. After the
// rows, an optional line "two-headed:" lists the letters of the two-headed
// snakes, and an optional line "idea:" gives the designer's one-line note on
// the level's key idea, which the level list in the documentation shows.

#include <cstdint>
#include <source_location>
#include <string_view>

namespace coilwend {

struct BoardText {
    std::string_view id;
    std::string_view title;
    std::uint8_t setting = 0;
    std::string_view picture;
    // Where the definition starts, so a malformed board can be pointed at.
    std::string_view file;
    unsigned line = 0;
};

// Records the source line of the call, which the picture's first line shares.
constexpr BoardText board(std::string_view id, std::string_view title, std::uint8_t setting,
                          std::string_view picture,
                          std::source_location where = std::source_location::current()) {
    return BoardText{id, title, setting, picture, where.file_name(), where.line()};
}

} // namespace coilwend
