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
.....  .....  .....  .....
.....  .ooo.  .....  v<<<v
.....  .oEo.  .....  >A.^<
...#.  .oo..  .....  .....
..#..  .....  .....  .....
idea: the punctured tire can only be wound from its right-hand end, so unwind the kink through the hub and come round again
)"),
        board("84.rs", "Whac-A-Mole", 4, R"(
ground marks items snakes
#.#.#.#  .o.E.o.  .......  .v...v.
.......  .......  .......  .b...cA
...###.  .......  .......  ......^
idea: a companion that backs out of its hole uncovers it; the two must swap holes, turning round on the left and diving in head first
)"),
        board("68.rs", "Danger Noodle", 4, R"(
ground marks items snakes
..##.  ....o  .....  .....
.....  .o...  .....  v<<..
.....  .....  .....  >v^<v
#....  ...E.  .....  .>b.A
idea: step onto the exit early to clear the way; the long companion must then reach into the corner pocket while still lying over the other target
)"),
        board("6.rs", "Teamwork", 4, R"(
ground marks items snakes
..#...  ......  ......  ...>>b
~.....  .oooE.  ......  ...>v.
....~.  .ooo..  ......  ....>A
idea: the two snakes must lie side by side over the targets; yours goes round to take the upper row from the left while the companion drops into the lower one
)"),
        board("56.rs", "__init__.py", 4, R"(
ground marks items snakes
......  ...oo.  ......  ...>vv
..##..  E...o.  ......  ....bA
.~.#..  ......  ......  ......
idea: the companion must make way along the top, turn round where the water lets it, and settle back onto the cells it started on
)"),
        board("18.rs", "Omelette", 4, R"(
ground marks items snakes
..#..#.  ...E...  .......  .......
.......  .oooo..  .......  v<<<...
......#  .oooo..  ...++..  >>A....
idea: the snake is folded the wrong way; break both eggs, grow, and fold back over the whole pan so the head comes up into the exit
)"),
        board("63.rs", "Linchpin", 4, R"(
ground marks items snakes
...#.#  ..o.o.  ......  ..v.v.
.#....  ..oooE  ......  ..>b>c
.#....  ......  ......  A.....
.~..#.  ......  ......  ^<....
idea: the companion pinned on the exit holds everything: pull it out, shift the other one across into its slot, pin it back in the gap, and swim round to the exit last
)"),
    };
    return boards;
}

} // namespace coilwend
