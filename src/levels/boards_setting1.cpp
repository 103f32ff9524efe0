// Items that make a snake grow or shrink, down to vanishing.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> setting1_boards() {
    static constexpr std::array boards{
        board("39.rs", "Om Nom Nom", 1, R"(
ground marks items snakes
.#..  E...  ....  v...
....  ....  .+++  A...
.#..  ....  ....  ....
idea: every bite makes the snake longer, so coming home takes the long way round the far block
)"),
        board("10.rs", "Competition", 1, R"(
ground marks items snakes
..##.  .E...  .....  .....
.#...  .....  .....  ...b.
..#..  .....  ....+  ...^.
.....  .....  .....  .>>>A
idea: the only square to turn in holds food that would make you too long; let the companion eat it
)"),
        board("16.rs", "Poof", 1, R"(
ground marks items snakes
##.#.##  ....E..  .......  .......
.......  .......  ..--...  >A..b<<
idea: two cells long and shrinking means gone: make the companion vanish, not yourself
)"),
        board("86.rs", "Hot Potato", 1, R"(
ground marks items snakes
......  .....E  .+--..  ....A<
#...#.  ......  ......  .>b...
idea: a two-cell snake cannot survive a shrink, yet yours faces two: the companion takes the first and vanishes, and you go round below to grow before taking the second
)"),
        board("52.rs", "Three Strikes", 1, R"(
ground marks items snakes
.#.#..  .....E  ......  ....v<
...#..  ......  ..-...  .A..>b
#....#  ......  ..--..  .^....
idea: the companion is four long and each shrink is a strike; it has to take all three to be out
)"),
        board("64.rs", "Temptation", 1, R"(
ground marks items snakes
...#..#.  E.......  .....-..  ........
.##.#.#.  ........  ........  ........
........  ........  .......+  >>>A>b..
.##.##..  ........  ........  ........
idea: sending the companion straight to the shrink is tempting, but first it must clear the food from your turning square, or you grow too long to turn
)"),
        board("69.rs", "Nice", 1, R"(
ground marks  items  snakes
.....  .....  .+...  v..v<
.....  ...E.  .....  vA.b^
...#.  .....  ..-..  >^..^
idea: the six cannot get round without eating the food over its head, so it must slim down on the shrink below before the nine can unwind and give up its seat
)"),
        board("93.rs", "Heavy", 1, R"(
ground   marks    items    snakes
......#  .......  ..+....  .......
.#...#.  ......E  ..+....  .......
..###..  .......  .+....-  .......
.......  .......  ....--.  >A.....
idea: three shrinks guard the exit, so fetch all the food first; a snake of five needs the whole top room to turn round
)"),
        board("8.rs", "All You Can Eat", 1, R"(
ground marks items snakes
..########  ..........  ..........  .v........
..........  .........E  +.++......  .b....A<<<
#####.####  ..........  ..........  ..........
#####.####  ..........  ..........  ..........
#####.####  ..........  ..........  ..........
#####.####  ..........  ..........  ..........
#####.####  ..........  ..........  ..........
idea: every bite on the way would leave you too long to turn, so the companion eats the whole row, the stray bite behind it first, and must fit its burrow exactly
)"),
        board("32.rs", "Coop", 1, R"(
ground    marks     items     snakes
...#...#  ........  ........  .>B.....
.....##.  .......E  ........  ....A...
.#.#....  ........  ......--  ....^<..
idea: both snakes are yours and only one has to get out: the short one runs ahead and vanishes on the first shrink so the long one survives the second
)"),
        board("41.rs", "Sharing is Caring", 1, R"(
ground     marks      items      snakes
....#..#.  ........E  +.-+.....  .........
....~#...  .........  ...--..-.  >bA......
...#...#.  .........  .........  ^.^......
idea: you need both grows to live through the two shrinks past the water; the companion must eat the other two and vanish, in a nest too small for any order but one
)"),
        board("14.rs", "Stealing from Birds", 1, R"(
ground     marks      items      snakes
....#####  .........  +........  .b<<.....
....~....  ........E  +....---.  ...A<....
....#####  .........  +........  .c<<.....
idea: the birds cannot swim out of their nest, so they must shuffle round it without touching an egg while you grow to five and turn inside
)"),
    };
    return boards;
}

} // namespace coilwend
