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
..#.#.  ......  ......  .....v
......  ......  ......  ...A<<
.#.#.#  ....E.  ......  ......
idea: The exit is down a hole behind the snake, which must find the one place wide enough to turn round, far to the left; the holes above and below are too narrow.
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
......  ......  ......  >>v>>v
#...#.  .E....  ......  ..>^.v
.#..#.  ......  ......  .....v
......  ......  ......  >>A..b
idea: The long companion fills the top and the right-hand side; it has to coil round on itself, chasing its own tail, before the snake can climb to the exit beside it.
)"),
        board("7.rs", "Dead Ends", 0, R"(
ground marks items snakes
#####.#####  ...........  ...........  ...........
#####.####.  ..........E  ...........  ...........
##..#.#.#..  ...........  ...........  ..........b
...........  ...........  ...........  >>A..c<..>^
idea: Each companion must be parked in a dead end that fits it: the long one backs off the exit and climbs the deep shaft, the short one tucks into the low nook by the snake's head; the shallow holes catch whoever tries them.
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
.....  .....  .....  b.v..
.#..#  .....  .....  ^.vv.
.....  ...E.  .....  ^.Ac.
idea: Three snakes stand side by side and the short one sits on the exit: they trade places a step at a time, each waiting for the gap the others leave, until the snake can come down on the exit.
)"),
        board("19.rs", "Squeezing Through", 0, R"(
ground marks items snakes
.....#  ......  ......  v<..v.
..#...  ......  ......  b...v.
.#....  E.....  ......  ...A<.
idea: The snakes must swap sides: the snake makes room on the right so the companion can squeeze past, then slips by it into the corner under the companion's old place.
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
.....#  E.....  ......  v<<>v.
.###..  ......  ......  v...b.
.....#  ......  ......  A.....
#..#..  ......  ......  ......
idea: The exit lies under the snake's own tail, not far to go, yet the snake must circle the wall and come back along the top while the companion gets out of its way.
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
#.....  ......  ......  .b<<<.
#.....  ......  ......  ..>>>A
.....#  E.....  ......  .c<<<.
idea: The snake squeezes out over the top while the upper companion drops into its place; then the lower companion shifts right so the snake can come down the left-hand side.
)"),
        board("30.rs", "Concentric", 0, R"(
ground marks  items  snakes
.....  .....  .....  v<<<<
.....  .....  .....  vv..^
..#..  .....  .....  vv.A^
....#  .....  .....  v>>^.
.....  ....E  .....  >>>b.
idea: The inner snake curls inward to leave the outer ring free; then the outer snake travels right round the board so that its tail clears the exit corner.
)"),
        board("4.rs", "Don't Tread on Me", 0, R"(
ground marks items snakes
......  ......  ......  .>>>b.
.#...#  E.....  ......  ..c<..
###...  ......  ......  ......
.#....  ......  ......  ..>>>A
idea: The snake has to turn on the spot in the bottom corner and let the top companion pour down the right-hand side; only then can it climb through the middle and along the top.
)"),
        board("74.rs", "Icon", 0, R"(
ground marks  items  snakes
.....  .....  .....  ..vA<
#..#.  .....  .....  ..v.^
.#.#.  .....  .....  ..b..
...#.  .....  .....  c....
....#  E....  .....  ^<...
idea: Both companions have to be folded into the left-hand column, the short one under the long one, before the snake can drop down the middle to the exit.
)"),
        board("67.rs", "I am a Rock", 0, R"(
ground  marks   items   snakes
..##..  E.....  ......  v<..v<
.....#  ......  ......  >vc<<.
#.#...  ......  ......  .A.v..
......  ......  ......  ...b..
idea: The snake turns round at the bottom while the two-cell companion hops to the right-hand side; only then can the long companion sink into the bottom row and clear the top.
)"),
        board("55.rs", "no step on snek", 0, R"(
ground  marks   items   snakes
.#....  ......  ......  ..v<v.
.....#  ......  ......  b<<^v.
.##...  ......  ......  ...A<.
...##.  ......  ......  ......
....#.  ...E..  ......  ......
idea: The long companion has to tour the board, down the left, back up the middle and down the right-hand side, before the left column is free for the snake to slide down to the exit.
)"),
        board("21.rs", "Horseshoes", 0, R"(
ground marks items snakes
....##  ......  ......  .>>v..
#.#..#  ......  ......  .^.b..
#.....  ......  ......  .A.>>v
..#...  E.....  ......  >^.^.c
idea: The three snakes go round together like a carousel, one step each in turn; any snake that breaks the rhythm jams the ring.
)"),
        board("50.rs", "ISII", 0, R"(
ground marks items snakes
.....##  .......  .......  >>A.v..
...#..#  .......  .......  ....d..
###....  ......E  .......  ....b<.
......#  .......  .......  c<<<.^.
idea: The two short companions in the right-hand pocket must swap places step by step, like tiles of a sliding puzzle, until the smaller one can slip out along the top; the long one below is best left alone.
)"),
    };
    return boards;
}

} // namespace coilwend
