// Boards that are built but never offered on the overworld.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> unplaced_boards() {
    static constexpr std::array boards{
        board("11.rs", "11", 4, R"(
ground marks items snakes
.#.....  ..Eoooo  .......  ...>>v.
.......  ...oooo  ....+.+  ...^.A.
..#....  .......  .......  ...^<..
idea: the snake lies across the pan the wrong way; turn it round, then fold it in along the lower row, eating both eggs, and back along the top into the exit
)"),
        board("2.rs", "2", 1, R"(
ground marks items snakes
.....  .....  .....  .A>v.
#.#..  .....  ....+  .^.b.
.#..#  E....  .....  .....
.....  .....  ...+.  .....
idea: clear the companion out of the middle shaft first, letting it eat the lower item on the way, then loop your snake round over the other one and down the shaft
)"),
        board("22.rs", "22", 4, R"(
ground marks items snakes
.....  Eoooo  .....  .v<b<
#....  .o..o  .....  .c.v^
.##..  ....o  .....  ...A^
idea: the three snakes turn round one loop like a carousel until yours reaches the exit and the companions cover their cells again
)"),
        board("25.rs", "25", 4, R"(
ground marks items snakes
......  .ooo..  ..+...  ...>>A
#.....  .oooE.  .+....  ..>^..
...##.  ......  ......  ......
idea: too short for the pan: turn round, enter it at the top right and eat both eggs on the way so the snake is long enough when it folds back into the exit
)"),
        board("26.rs", "26", 4, R"(
ground marks items snakes
.....  ..o..  .....  ..c.v
.~.#.  .Eo..  .....  ..^.A
#....  .oo..  .....  .>b..
..#..  .o...  .....  .^...
idea: the exit stands in water the companions cannot enter; the lower one must turn itself round to let your snake in, ending on its own cells facing the other way
)"),
        board("31.rs", "31", 4, R"(
ground marks items snakes
.#....  ......  ......  ....v.
......  .oooE.  ......  .b<<v.
~.....  .ooo..  ......  ...A<.
idea: the two snakes must fill the bed together, yours along the upper row from the left and the companion along the lower one, its head at the water's edge
)"),
        board("35.rs", "35", 0, R"(
ground marks items snakes
.....  .....  .....  ..b<<
.#.#.  .....  .....  .....
..##.  .E...  .....  >v...
.....  .....  .....  .>A..
idea: your snake and the companion trade sides: park up the right-hand column while the companion circles down the left, then come round the top into the exit
)"),
        board("62.rs", "62", 2, R"(
ground marks items snakes
......  ......  ......  ...b<<
..#...  ......  ......  ....v<
.~.#~.  E.....  ......  ....A.
idea: the companion blocks the top corridor and cannot swim, so it must be turned round out of your way before your snake swims along the bottom to the exit
)"),
        board("70.rs", "70", 3, R"(
ground marks items snakes
.....  .....  .....  ..>>v
...#.  .....  .....  ....A
...#.  .....  .....  ....b
..#..  ....E  .....  ....^
two-headed: A
idea: lead with the other end to tuck your snake into the left pocket, let the companion out along the top, then switch ends again to go down the right-hand side
)"),
        board("71.rs", "71", 1, R"(
ground marks items snakes
...#..  E.....  ......  b....A
.#....  ......  ......  ^..>>^
..#...  ......  ...+..  ^.....
idea: the companion sits on the exit: turn round by chasing your tail, wait on the item in the bottom row while the companion crosses to the right, then come up the middle and along the top
)"),
        board("73.rs", "73", 0, R"(
ground marks items snakes
...#.  .....  .....  .....
....#  .....  .....  .....
.###.  ....E  .....  ....v
.....  .....  .....  .A<<<
idea: the exit lies under your own tail; go up and round the block of walls to turn about and come back along the bottom
)"),
        board("77.rs", "77", 2, R"(
ground marks items snakes
.#.#.  .....  .....  .....
~....  .....  .....  .v...
...#.  .....  .....  .b..A
~.#..  ...E.  .....  ...>^
idea: swim round the pools on the left so the companion, which cannot follow you, can get clear of the middle; then come back down the right-hand side
)"),
        board("92.rs", "Untitled", 1, R"(
ground marks items snakes
.....  .....  -.+..  .A.b<
...#.  .....  +....  .^..^
...#.  ....E  .....  >^...
idea: shrink first so your snake can curl into the top-left corner, regain its length below, and let the companion drop down the middle before you head right and down to the exit
)"),
        board("p2.rs", "Pellam 2", 3, R"(
ground marks items snakes
#.....  ......  ......  .v<.A.
...#..  ......  ......  .b..^<
.##...  E.....  ......  ......
two-headed: A
idea: walk the companion right out of the way along the top, then reverse with the other end and slip down the left-hand side to the exit
)"),
        board("p5.rs", "Pellam 5", 4, R"(
ground marks items snakes
.....  .....  .....  .....
...#.  .....  .....  .....
..#..  o....  .....  >b.A<
#.#..  .E..o  .....  ....^
two-headed: A
idea: the two snakes swap targets: yours goes round the top to the left while the companion circles round into the right-hand pocket
)"),
    };
    return boards;
}

} // namespace coilwend
