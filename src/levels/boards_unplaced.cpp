// Boards that are built but never offered on the overworld.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> unplaced_boards() {
    static constexpr std::array boards{
        board("11.rs", "11", 0, R"(
ground marks  items  snakes
.#...  .....  .....  ..v..
....#  .....  .....  .v>A.
.....  .....  .....  .>>b.
...#.  ....E  .....  .....
idea: The companion is curled round the snake's head; both must take turns unwinding before the snake can reach the corner.
)"),
        board("2.rs", "2", 1, R"(
ground marks  items  snakes
.....  .....  +....  .v...
...#.  ....E  .....  b<...
.#.#.  .....  .....  .....
.....  .....  ...-.  A<<..
idea: The companion has to get out of the top-left corner first; then the snake climbs the left edge, grows on the corner item and runs along the top to the exit.
)"),
        board("22.rs", "22", 2, R"(
ground  marks   items   snakes
~.....  ......  ......  ..b>A.
.~..#.  ......  ......  ..^^..
~..#..  ......  ......  ..^...
.~.#..  ..E...  ......  ......
idea: The companion, kept out of the water on the left, can only shuffle in the middle; the snake loops round the right and comes back through the gap it leaves.
)"),
        board("25.rs", "25", 3, R"(
ground marks  items  snakes
.....  ...E.  .....  b<<..
.####  .....  .....  .....
.....  .....  .....  Av...
.....  .....  .....  ^<...
two-headed: A
idea: The two-headed snake pulls itself along the bottom with one end so the companion can come down, then leads with its other end up the left and across the top.
)"),
        board("26.rs", "26", 4, R"(
ground marks  items  snakes
...#.  .o..o  .....  v....
..#..  .....  .....  v...A
..#..  .E...  .....  b...^
.....  .....  .....  ....^
idea: The companion climbs to the top-right target while the snake turns round on the left, so that its tail rests on the other target as its head reaches the exit.
)"),
        board("31.rs", "31", 0, R"(
ground  marks   items   snakes
..#...  ......  ......  v..v..
.#....  ......  ......  v.v<..
....##  E.....  ......  b.A...
idea: The companion on the exit must climb into the top-left while the snake circles the right-hand side and comes back along the bottom.
)"),
        board("35.rs", "35", 1, R"(
ground  marks   items   snakes
##....  ......  ......  ......
.....#  ......  ......  A<....
......  ......  ..+...  .v....
..#...  .....E  +.....  b<....
idea: The companion has to wind its way up into the top-right corner, growing as it leaves its start, before the short snake can cross underneath to the exit.
)"),
        board("62.rs", "62", 2, R"(
ground  marks   items   snakes
...#~.  ......  ......  ......
......  ......  ......  ....vb
~.~#..  ......  ......  v<..>^
...#..  ....E.  ......  A.....
idea: The snake crosses to the middle first; the companion, barred from the pools, drops round into the bottom-right corner and climbs the right-hand edge, clearing the way down.
)"),
        board("70.rs", "70", 3, R"(
ground  marks   items   snakes
..#...  ......  ......  ......
###...  ......  ......  ...A<.
......  ......  ......  b<..^.
...#..  .E....  ......  >^....
two-headed: A
idea: The two-headed snake walks up out of the way with one end, lets the companion cross underneath, then returns to the exit leading with its other end.
)"),
        board("71.rs", "71", 4, R"(
ground  marks   items   snakes
..#...  .E....  ......  ...>v.
.#....  ......  ......  ....Ab
..###.  ......  ......  .....^
......  o.....  ......  ......
idea: The snake loops right round the board to reach the exit from below; only then can the little companion follow its track down to cover the target in the far corner.
)"),
        board("73.rs", "73", 0, R"(
ground marks  items  snakes
....#  .....  .....  .....
...#.  .....  .....  .vv.v
#....  ....E  .....  .vv.v
...#.  .....  .....  .Ab.c
..#..  .....  .....  .....
idea: The snake ducks into the bottom-left so the middle companion can climb out of the stack; the right-hand one drops into the corner and the snake climbs through the gap.
)"),
        board("77.rs", "77", 1, R"(
ground  marks   items   snakes
....#.  .....E  ......  >A.b..
..#...  ......  ....--  ^..^<.
...#.#  ......  ......  ....^.
......  ......  ......  ......
idea: The companion must eat a shrink item on its way round so it fits into the top row, leaving the snake the right-hand side.
)"),
        board("92.rs", "Untitled", 2, R"(
ground  marks   items   snakes
~....#  E.....  ......  .v....
~...#.  ......  ......  .v....
~.~...  ......  ......  .b....
.##.#~  ......  ......  ......
......  ......  ......  >>>A..
idea: The snake turns round in the middle and swims up the water channel on the left, where the companion can never follow.
)"),
        board("p2.rs", "Pellam 2", 3, R"(
ground   marks    items    snakes
...#...  .......  .......  b<.....
#..#...  ....E..  .......  .^.....
...###.  .......  .......  ......v
.......  .......  .......  ..A<<<c
two-headed: A
idea: The companion by the right wall slides along the bottom and up out of the way; then the two-headed snake leads with its other end along the bottom and up the right side.
)"),
        board("p5.rs", "Pellam 5", 4, R"(
ground  marks   items   snakes
#.....  ...o..  ......  ....b.
.....#  ......  ......  ....^.
..#...  ...E..  ......  v...^<
.#....  ......  ......  v.....
....#.  o.....  ......  A.....
idea: The snake leaves the bottom-left target to the companion, which must come all the way down the left edge, and then comes down onto the exit from the top target.
)"),
    };
    return boards;
}

} // namespace coilwend
