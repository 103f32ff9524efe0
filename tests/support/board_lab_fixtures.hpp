#pragma once
// Small drafts shared by the board lab's tests, each small enough to check by hand.

#include "levels/board_parser.hpp"

#include <gtest/gtest.h>

#include <string_view>

namespace coilwend::testing {

inline Puzzle board_of(std::string_view picture) {
    const auto parsed = parse_board(BoardText{"t.rs", "Test", 2, picture, "test", 1});
    EXPECT_TRUE(parsed.level.has_value()) << parsed.error;
    return parsed.level ? parsed.level->puzzle : Puzzle{};
}

// A companion in a walled strip beside a pond: the snake hides in the water
// while the companion leaves by the dry road.
inline constexpr std::string_view kReeds = R"(
ground marks items snakes
####..  .....E  ......  ......
.....#  ......  ......  ..>>b.
~~~~.#  ......  ......  ....A.
~~~~..  ......  ......  ....^<
)";

// A companion in the corridor that has to eat both shrink items to vanish.
inline constexpr std::string_view kPoof = R"(
ground marks items snakes
##.#.##  ....E..  .......  .......
.......  .......  ..--...  >A..b<<
)";

// A two-cell snake with a shrink item in front and the exit beyond: the
// straight walk vanishes the snake, so the level cannot be finished.
inline constexpr std::string_view kShrinkInTheWay = R"(
ground marks items snakes
#####  .....  .....  .....
.....  ....E  ..-..  >A...
)";

// A two-headed snake whose last cell is walled in: only its first cell can lead.
inline constexpr std::string_view kWalledHead = R"(
ground marks items snakes
.#...  E....  .....  .....
.###.  .....  .....  .....
.....  .....  .....  .>>>A
two-headed: A
)";

// A two-headed snake that must back out of a pocket past a one-headed companion.
inline constexpr std::string_view kPocket = R"(
ground marks items snakes
###.###  .......  .......  .......
###.###  .......  .......  .......
.......  ......E  .......  >A..b<<
two-headed: A
)";

// A snake of three on an open board, four steps from the exit; a target left
// of the exit makes it come round and enter from that side.
inline constexpr std::string_view kOpen = R"(
ground marks items snakes
......  ......  ......  ......
......  .E....  ......  ......
......  ......  ......  ..>>A.
)";

// Finished: the two-headed snake's first cell is on the exit.
inline constexpr std::string_view kFinish = R"(
ground marks items snakes
##.##  .....  .....  .....
.#...  .....  .....  ..b<<
.....  E....  .....  >>>A.
.....  .....  .....  .c<<.
two-headed: A
)";

} // namespace coilwend::testing
