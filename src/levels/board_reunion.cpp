// The final level: every mechanic together on the board whose floor regions
// and walls are drawn from fixed tables.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> reunion_board() {
    static constexpr std::array boards{
        board("89.rs", "Reunion", 0, R"(
ground marks items snakes
.......#.  ......o..  .........  v.>>>c...
....####.  E........  .........  v.^.....v
.........  .........  .......-.  d.^..b<<<
##.....#.  .........  .........  ....>v...
~~#...#..  .........  .........  ...v<<.v.
~~~...#..  .........  .........  ...>e..>A
two-headed: d
idea: The two-headed friend on the exit must cross the whole board and eat the shrink item to fit the two-cell nook in the far corner, while the others make way in the bottom-left bay and the top friend parks on the target.
)"),
    };
    return boards;
}

} // namespace coilwend
