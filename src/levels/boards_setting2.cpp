// Water, which companions may not enter.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> setting2_boards() {
    static constexpr std::array boards{
        board("40.rs", "Swimming Lessons", 2, R"(
ground marks items snakes
~~~~~.  .....E  ......  ......
~~~~~#  ......  ......  ......
.....#  ......  ......  ......
......  ......  ......  >>A...
idea: Snakes swim: the way to the exit is across the water, and the dry road along the shore ends in a corner.
)"),
        board("28.rs", "Hydrophobia", 2, R"(
ground marks items snakes
~~~...  .....E  ......  ...>>v
~~~...  ......  ......  .....b
~~~~~.  ......  ......  ......
..~~~~  ......  ......  >>A...
idea: The friend on the exit cannot step off its island into the water, and the one dry step below it is a dead end: it must chase its own tail round the island's far end instead.
)"),
        board("47.rs", "Between a Reed", 2, R"(
ground marks items snakes
###..  ....E  .....  .....
....#  .....  .....  .>>b.
~~~.#  .....  .....  ...A.
~~~..  .....  .....  ...^<
idea: Hide in the reeds: the friend's only way out of its strip is the dry road the snake lies on, so the snake must swim clear and come back up through the reeds behind it.
)"),
        board("48.rs", "Lock", 2, R"(
ground marks items snakes
~~#...#  .......  .......  .A.....
~~~.~..  ......E  .......  .^<..b.
~~#...#  .......  .......  ...>>^.
idea: Swim into the basin in the middle of the lock and wait there: the friend is the lock gate and can only swing round the dry ring, and once it has swung past the snake, the far side opens.
)"),
        board("76.rs", "Winding Order", 2, R"(
ground marks  items  snakes
.....  ...E.  .....  ..>>c
~~~~.  .....  .....  .....
.....  .....  .....  >>>b.
.~~~~  .....  .....  ..v<.
.....  .....  .....  ..A^<
idea: The long snake must wind up through the zigzag ahead of the friend: it has to pass the dry right-hand column before the friend steps down into it, and then come at the exit from the left.
)"),
        board("65.rs", "Brevil", 2, R"(
ground marks items snakes
....  ..E.  ....  b.c<
.~..  ....  ....  ^..A
..#~  ....  ....  ...^
#...  ....  ....  ...^
idea: Brief and nasty: both little friends must step round the one wet cell while the snake loops left and comes back under the exit, and nearly every other move strands somebody.
)"),
        board("66.rs", "Water Landing", 2, R"(
ground  marks   items   snakes
~~~~~~  ......  ......  ......
#....~  ......  ......  .>b.v.
#.~...  ..E...  ......  .^.c<.
#....#  ......  ......  .^d<<.
~~~~~~  ......  ......  ..>>A.
idea: The exit is a pool that three friends crowd round: each must step round to a new spot, in the right order, to leave one dry cell between the outer water and the pool for the snake to come in by.
)"),
        board("p3.rs", "Gauntlet", 2, R"(
ground marks items snakes
~~#...#...#  ...........  ...........  ...v<v.....
~~~.#.~.#..  ...........  ...........  ...A.v...c.
~~#...#...#  .........E.  ...........  ....b<.>>^.
idea: Two turning islands in a row, turning opposite ways, and the exit under the far friend: turn round in the water first, then follow each friend round its own way, over the top of one and under the other.
)"),
        board("24.rs", "There and Back Again", 2, R"(
ground marks items snakes
#..~~~~~  ........  ........  .>v.....
......#~  E.......  ........  .b<.....
##~~~~~~  ........  ........  ........
~~~~~~~~  ........  ........  ..A<<...
idea: The friend is coiled in the little square facing the exit it would block for good: the snake swims round and waits above it while the friend turns round by chasing its tail and walks off along the causeway, then the snake comes back down through the square.
)"),
        board("36.rs", "Symmetry", 2, R"(
ground marks items snakes
~~~#~~~  .......  .......  .......
#.....#  .......  .......  .>vAv<.
#..~..#  ...E...  .......  .^b^c^.
#.....#  .......  .......  .^...^.
~~~#~~~  .......  .......  .......
idea: Everything is mirror-symmetric, the snake boxed in on the middle line with its own tail on the exit: both friends must turn about, but not as mirror images, so the snake can slip out into the top water on one side and come back down the middle onto the exit.
)"),
        board("37.rs", "Reoriented", 2, R"(
ground marks items snakes
#..~~~.~~  .........  .........  .........
.........  E........  .........  .b<<<>>c.
##~~~~~~~  .........  .........  .........
~~~~~~~~~  .........  .........  ..A<<<...
idea: The friend facing the exit must be turned round: it goes on into the little square, chases its tail there and comes back, with the other friend shuffling east to make room, while the snake swims all the way round the far end of the causeway to wait above the square.
)"),
        board("23.rs", "Swim Team", 2, R"(
ground  marks   items   snakes
####..  ......  ......  ......
.....#  ...E..  ......  >>>cv.
~~~~.#  ......  ......  .v..B.
~~~~..  ......  ......  .>>>A.
idea: Two swimmers and a friend who cannot swim: the friend's only way off the strip is the dry road, so the two snakes must take turns getting out of each other's way, through the reeds and the dry nook, before one of them can reach the exit.
)"),
        board("91.rs", "Helpless", 2, R"(
ground  marks   items   snakes
~~~~~~  ......  ......  ..A<<<
#....~  ......  ......  .>bd.^
#.~...  ......  ......  .^.^c.
#....#  ...E..  ......  .^.>^.
~~~~~~  ......  ......  ......
idea: The snake can only wait in the water: the three friends must wheel round the island and past the pool, again and again like a sliding puzzle, until a way opens down through the pool to the exit.
)"),
        board("90.rs", "Helpful", 2, R"(
ground  marks   items   snakes
~~~~~~  ......  ......  .A<<<.
#....~  ......  ......  .v<<v.
#.~...  ......  ......  .b..v.
#....#  .E....  ......  .>d.c.
~~~~~~  ......  ......  ......
idea: Unlike Helpless, the snake cannot just wait: it has to thread across the island in the middle of the friends' shuffle, stepping in when a gap opens so that they can close in behind it, and reach the exit from the far side.
)"),
    };
    return boards;
}

} // namespace coilwend
