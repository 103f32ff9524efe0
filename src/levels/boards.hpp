#pragma once
// The board pictures, one source file per area of the overworld so that
// designers can work on different areas without touching the same file.

#include "levels/board_text.hpp"

#include <span>
#include <string_view>
#include <vector>

namespace coilwend {

std::span<const BoardText> setting0_boards(); // first steps, companions, cycling
std::span<const BoardText> setting1_boards(); // items that grow and shrink
std::span<const BoardText> setting2_boards(); // water
std::span<const BoardText> setting3_boards(); // two-headed snakes
std::span<const BoardText> setting4_boards(); // targets
std::span<const BoardText> unplaced_boards(); // built but never offered
std::span<const BoardText> reunion_board();   // the final level

// Every picture of every area, in no particular order.
std::vector<const BoardText*> all_boards();
// The picture of one level, or null.
const BoardText* find_board_text(std::string_view id);

} // namespace coilwend
