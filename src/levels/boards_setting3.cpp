// Two-headed snakes, led by either end.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> setting3_boards() {
    static constexpr std::array boards{
        board("34.rs", "Two Heads are Better than One", 3, R"(
ground marks items snakes
.#...  E....  .....  .....
.###.  .....  .....  .....
.....  .....  .....  .>>>A
two-headed: A
idea: the head that moves first runs into a walled pocket; the other end leads straight to the exit
)"),
        board("29.rs", "Tête-à-tête", 3, R"(
ground marks items snakes
###.###  .......  .......  .......
###.###  .......  .......  .......
.......  ......E  .......  >A..b<<
two-headed: A
idea: duck head first into the side pocket, let the companion pass, then back out leading with the other end
)"),
        board("61.rs", "Kaa", 3, R"(
ground marks items snakes
.....  .....  .....  A<<<<
.#...  .....  .....  b...^
.#...  E....  .....  ^...^
#....  .....  .....  ...>^
two-headed: A
idea: Kaa has the monkey coiled in its hole; draw the tail end in to open a way out, then slide the head back down
)"),
        board("p1.rs", "Chronicler", 3, R"(
ground marks items snakes
......  ......  ......  >b....
..####  E.....  ......  vA....
......  .....o  ......  >^....
two-headed: A
idea: run to the far end so the companion can drop in behind, then retrace the whole path tail first and climb out of its way; only then can it crawl along to its target
)"),
        board("20.rs", "Order of Operations", 3, R"(
ground marks items snakes
.....  oE...  .....  >>b..
###.#  .....  ...-.  .....
.....  .....  ..+..  .v...
....#  .....  .....  A<...
two-headed: A
idea: minus before plus: shrink to two cells on the way up through the gap, back down out of the companion's way so it can eat the grow below, then take the two cells between the target and the exit
)"),
        board("5.rs", "Tug o' War", 3, R"(
ground marks items snakes
...#..#  .......  .......  ....vv.
.......  E......  .......  .>bc<v.
.#.#...  ..o.o..  .......  ....A<.
two-headed: A
idea: the snake straddles the doorway and must tug itself back and forth, making room first on one side and then on the other
)"),
        board("78.rs", "Delayed Gratification", 3, R"(
ground marks items snakes
.#.##.#  o.o....  .......  .......
.#.##.#  .......  ..+....  .......
.#.##..  .......  .......  ......v
.......  ..E....  .......  ...A<<b
two-headed: A
idea: the pocket with the exit and the food is the last stop; hide in the bare pocket first, or the longer snake can never let the companion by
)"),
        board("88.rs", "Pick and Choose", 3, R"(
ground marks items snakes
.#....  o.o..E  ...-..  ....>b
.###..  ......  .....+  ......
..#...  ......  ......  .A....
......  ......  -...+.  .^<...
two-headed: A
idea: of the four items only some help: both grow items and then the shrink on the top row give the one length that spans from the target to the exit; the corner shrink is bait
)"),
        board("60.rs", "Get out the Way", 3, R"(
ground marks items snakes
.#..#  ...E.  .....  ..v..
#....  .....  .....  ..>b.
.#..#  .....  .....  A....
....#  .....  .....  ^<>c.
two-headed: A
idea: two one-way companions crowd the middle; back and turn so each can crawl clear in turn, and the way to the exit opens
)"),
        board("72.rs", "Elbow Room", 3, R"(
ground marks items snakes
.....  .....  .....  b<..v
#.##.  ....E  .....  .^..c
..##.  .....  .....  .A...
.....  .....  .....  .^<<<
two-headed: A b
idea: the long snake needs room to swing round the pillar: walk the two-headed companion over the top and send the small one down and round, so each gives the other elbow room in turn
)"),
        board("75.rs", "Compass", 3, R"(
ground marks items snakes
###.###  ...o...  .......  ...A...
###.###  .......  .......  ...^...
##...##  .......  .......  ..c^<..
.......  o..E..o  .......  ..^vb<.
##...##  .......  .......  ...d...
###.###  .......  .......  .......
###.###  ...o...  .......  .......
two-headed: A
idea: one snake must point to each compass point: shuffle the four round the hub until every tip is covered, yours last with its tail on the centre
)"),
        board("80.rs", "Constriction", 3, R"(
ground marks items snakes
....  ....  ....  ....
....  ooo.  ....  >>>v
.#..  @.o.  ....  ^.bA
....  ooo.  ....  ^.^<
two-headed: A
idea: the pillar must be squeezed all round: coil the long snake over most of the ring and crowd the little companion into the rest, ending with your tail on the exit
)"),
        board("81.rs", "Contortion", 3, R"(
ground marks items snakes
.#...  ...o.  .....  ....v
.....  .o..E  .....  .v<<<
#.#.#  ...o.  .....  .A...
.....  .o...  .....  .b<<.
two-headed: A
idea: the targets zig-zag across the board; twist the snake through the gaps so its body lies over three of them while the companion is coaxed onto the last
)"),
        board("85.rs", "Sapphira", 3, R"(
ground marks items snakes
......  ..o...  ......  .c.b<.
..~~..  .....o  ......  .^..^.
#.~~..  ..E...  ......  .>v...
#.~~..  ......  ......  .A<...
two-headed: A
idea: the companions cannot swim: sink into the pool and wait there while both crawl round it, one of them onto its target, then surface with the tail on the exit in the water
)"),
        board("43.rs", "Sliding Between", 3, R"(
ground marks items snakes
.....#  ...E..  ......  >v.b<.
..##..  ......  ......  .A..^.
.....#  ......  ......  c<<<^.
two-headed: A
idea: the little two-headed snake has to slip round the block between two long one-way companions, reversing whenever one of them closes in
)"),
        board("58.rs", "Right Back Where We Started From", 3, R"(
ground marks items snakes
..##.  .....  .....  .v...
.....  ...E.  .....  c>>Av
..#..  .....  .....  ^..b<
...#.  o....  .....  .....
two-headed: A
idea: the snake starts on the exit but the target is empty: step aside so the companion can crawl round to it, then come back to exactly where you began
)"),
        board("59.rs", "Cramped", 3, R"(
ground marks items snakes
..#.#  .E...  .....  v<.v.
....#  .....  .....  vc<<.
.....  .....  .....  >b>Av
.....  .....  .....  ..^<<
two-headed: A
idea: there is barely a spare cell: the two companions must circle each other again and again in the left corner while the long snake inches its head round to the exit
)"),
        board("79.rs", "Ssssssss", 3, R"(
ground marks items snakes
......  ......  ......  b<<<<.
..#...  ......  ......  .c.A<.
..##.#  E.....  ......  >^..^.
......  ......  ......  ^>>>^.
two-headed: A
idea: three long snakes wound into S-bends fill the board; unwind them a bend at a time, leading with whichever head has room, until yours can reach the exit
)"),
    };
    return boards;
}

} // namespace coilwend
