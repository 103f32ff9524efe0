// Target cells that must all be covered before the exit counts.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> setting4_boards() {
    static constexpr std::array boards{
        board("9.rs", "Hi, My Name is Joe", 4, R"(
ground marks items snakes
......  o.....  ......  ......
......  oE....  ......  ......
......  ......  ......  ..>>A.
idea: the exit only counts once the snake's body lies over both targets, so come in from above
)"),
        board("15.rs", "Psych!", 4, R"(
ground marks items snakes
.....  .....  .....  >v...
..#..  o....  .....  ^A...
#.###  .E...  .....  .....
idea: stepping down pulls the tail off the target and jams the snake; chase the tail, turn round beyond the pillar and come back in from the left
)"),
        board("42.rs", "Tired", 4, R"(
ground marks items snakes
.......  .......  .......  .......
.......  ......E  .......  >A.....
)"),
        board("84.rs", "Whac-A-Mole", 4, R"(
ground marks items snakes
........  ........  ........  ........
........  .......E  ........  >A......
)"),
        board("68.rs", "Danger Noodle", 4, R"(
ground marks items snakes
.........  .........  .........  .........
.........  ........E  .........  >A.......
)"),
        board("6.rs", "Teamwork", 4, R"(
ground marks items snakes
..........  ..........  ..........  ..........
..........  .........E  ..........  >A........
)"),
        board("56.rs", "__init__.py", 4, R"(
ground marks items snakes
...........  ...........  ...........  ...........
...........  ..........E  ...........  >A.........
)"),
        board("18.rs", "Omelette", 4, R"(
ground marks items snakes
....  ....  ....  ....
....  ....  ....  ....
....  ...E  ....  >A..
)"),
        board("63.rs", "Linchpin", 4, R"(
ground marks items snakes
.....  .....  .....  .....
.....  .....  .....  .....
.....  ....E  .....  >A...
)"),
    };
    return boards;
}

} // namespace coilwend
