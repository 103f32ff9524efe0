// First steps: moving, chasing one's own tail, companions and cycling between snakes.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> setting0_boards() {
    static constexpr std::array boards{
        board("38.rs", "Humble Beginnings", 0, R"(
ground marks items snakes
.....  ....E  .....  A<<..
.###.  .....  .....  .....
.....  .....  .....  .....
idea: Steer the snake down, along the bottom and up round the wall to the exit.
)"),
        board("3.rs", "Room for Error", 0, R"(
ground marks items snakes
#.#.#.#.#  .......E.  .........  .........
.........  .........  .........  >>>A.....
#.#.#.#.#  .........  .........  .........
idea: A snake cannot back out of a niche: only one niche holds the exit, and undo takes back a wrong turn.
)"),
        board("57.rs", "A Friend", 0, R"(
ground marks items snakes
###.##  ......  ......  ......
###.##  ......  ......  ......
###.##  ......  ......  ......
......  .....E  ......  >>Ab<<
###.##  ......  ......  ......
idea: The friend in the way must back off up the long passage; the short hole below traps it in the corridor.
)"),
        board("83.rs", "U-Turn", 0, R"(
ground marks items snakes
..##..  .....E  ......  ......
......  ......  ......  ..A<<<
.#.#.#  ......  ......  ......
idea: The exit is behind the snake, which must find the one place wide enough to turn round; the holes below are too narrow.
)"),
        board("12.rs", "Parallel", 0, R"(
ground marks items snakes
....   ....  ....  ...v
....   ....  ....  >>bv
....   E...  ....  >>cA
idea: Each companion steps up a row, the middle one first, to empty the bottom row for the snake.
)"),
        board("51.rs", "Outta the Way!", 0, R"(
ground marks items snakes
.#.##.  .....E  ......  ......
......  ......  ......  ..A<<b
..#...  ......  ......  ....>^
idea: The snake turns round on the left first; then the companion can loop down into the bottom row and clear the way.
)"),
        board("87.rs", "Nope Rope", 0, R"(
ground marks items snakes
.#....  ......  ......  ..>>>v
......  ......  ......  ..^..b
##..#.  ...E..  ......  ..^<..
......  ......  ......  >>A^<<
idea: The long companion has to coil up on itself in the right-hand corner, chasing its own tail, to free the two cells the snake needs.
)"),
        board("7.rs", "Dead Ends", 0, R"(
ground marks items snakes
#####.#####  ...........  ...........  ...........
###.#.#####  ...........  ...........  ...........
###.#.#####  ...........  ...........  ...........
...........  ..........E  ...........  >>A...c<b<<
idea: Each companion must be parked head first in a dead end as deep as it is long, so the short one must pass the deep one by.
)"),
        board("13.rs", "Heads or Tails", 0, R"(
ground marks items snakes
#....  .E...  .....  .>>A.
.#..#  .....  .....  ..v<.
.....  .....  .....  ..>B.
idea: The exit lies under the snake's own tail; it can only turn round where the other snake is coiled, which unwinds by chasing its own tail.
)"),
        board("45.rs", "Shuffle", 0, R"(
ground marks items snakes
....  ...E  ....  ....
....  ....  ....  ....
....  ....  ....  >A..
)"),
        board("19.rs", "Squeezing Through", 0, R"(
ground marks items snakes
......  ......  ......  v<.A..
..#...  ......  ......  b..^<<
.#.#..  E.....  ......  ......
idea: The snakes must swap sides: the snake makes room on the right so the companion can squeeze into the pocket by the pillar, then slips past it along the top.
)"),
        board("1.rs", "Ekans", 0, R"(
ground marks items snakes
.....  E....  .....  v<<<<
.....  .....  .....  v>b.^
.....  .....  .....  >^>>^
.....  .....  .....  A<<..
idea: The coiled companion has to travel right round the board, chasing its own tail, to clear the left column.
)"),
        board("17.rs", "Half of Eight", 0, R"(
ground marks items snakes
#....  .....  .....  ...>A
.#...  .....  .....  ...^<
....#  .....  .....  b<...
..#..  E....  .....  >^...
idea: Both snakes start curled in rings like the loops of an eight; each must spin in place, chasing its own tail, until it faces the way out.
)"),
        board("46.rs", "Between a Rock", 0, R"(
ground marks items snakes
.....  .....  .....  >>>v.
.##..  ...E.  .....  v..b.
.#..#  .....  .....  v....
.....  .....  .....  A....
idea: The snake must turn round below the rock and climb back up the left, so the companion can slide down off the exit into the bottom row.
)"),
        board("27.rs", "Not Far to Go", 0, R"(
ground marks items snakes
......  ......  ......  v<<...
.###..  E.....  ......  v...v.
.....#  ......  ......  A..b<.
#..#..  ......  ......  ......
idea: The exit is the cell behind the snake's head, yet it can only be reached from above: the snake circles the wall while the companion swaps into the far corner.
)"),
        board("33.rs", "Ouroboros", 0, R"(
ground marks items snakes
.#..#.  ......  ......  ......
.....#  ......  ......  .v<<..
..#.#.  .....E  ......  .A.^..
#.....  ......  ......  .>>^b<
idea: The ringed snake's only move is into its own tail; it spins, climbs out over the top and wraps back down the left so the companion can take the ring's place.
)"),
        board("54.rs", "Tough choices", 0, R"(
ground marks items snakes
......  ......  ......  A<<.>v
...#..  ......  ......  .b...c
#..##.  ......  ......  .^<...
.#..#.  .....E  ......  ......
idea: Both companions must be tucked away on the left, the lower one into the bottom pocket first, before the snake can cross the top and drop down the right-hand side.
)"),
        board("82.rs", "Sandwich", 0, R"(
ground marks items snakes
...........  ..........E  ...........  ...........
...........  ...........  ...........  ...........
...........  ...........  ...........  >A.........
)"),
        board("30.rs", "Concentric", 0, R"(
ground marks items snakes
....  ...E  ....  ....
....  ....  ....  ....
....  ....  ....  ....
....  ....  ....  >A..
)"),
        board("4.rs", "Don't Tread on Me", 0, R"(
ground marks items snakes
.....  ....E  .....  .....
.....  .....  .....  .....
.....  .....  .....  .....
.....  .....  .....  >A...
)"),
        board("74.rs", "Icon", 0, R"(
ground marks items snakes
......  .....E  ......  ......
......  ......  ......  ......
......  ......  ......  ......
......  ......  ......  >A....
)"),
        board("67.rs", "I am a Rock", 0, R"(
ground marks items snakes
.......  ......E  .......  .......
.......  .......  .......  .......
.......  .......  .......  .......
.......  .......  .......  >A.....
)"),
        board("55.rs", "no step on snek", 0, R"(
ground marks items snakes
........  .......E  ........  ........
........  ........  ........  ........
........  ........  ........  ........
........  ........  ........  >A......
)"),
        board("21.rs", "Horseshoes", 0, R"(
ground marks items snakes
.........  ........E  .........  .........
.........  .........  .........  .........
.........  .........  .........  .........
.........  .........  .........  >A.......
)"),
        board("50.rs", "ISII", 0, R"(
ground marks items snakes
..........  .........E  ..........  ..........
..........  ..........  ..........  ..........
..........  ..........  ..........  ..........
..........  ..........  ..........  >A........
)"),
    };
    return boards;
}

} // namespace coilwend
