// The final level: every mechanic together on the board whose floor regions
// and walls are drawn from fixed tables.
// The picture format is described in board_text.hpp.

#include "levels/boards.hpp"

#include <array>

namespace coilwend {

std::span<const BoardText> reunion_board() {
    static constexpr std::array boards{
        board("89.rs", "Reunion", 0, R"(
ground    marks     items     snakes
.......#.  .........  .........  .........
....####.  .E.......  .........  .........
.........  .........  .........  .........
##.....#.  .........  .........  .........
..#...#..  .........  .........  .........
......#..  .........  .........  ...>A....
)"),
    };
    return boards;
}

} // namespace coilwend
