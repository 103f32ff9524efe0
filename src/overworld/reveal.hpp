#pragma once
// How progress opens the map: which entries count as neighbours, which can be
// selected, and what a completion reveals. Shared by the scene flow (after a
// level is solved) and the progress file (while it is read back).

#include "game/geometry.hpp"
#include "overworld/catalogue.hpp"

#include <cstddef>
#include <vector>

namespace coilwend {

inline Pos entry_cell(const OverworldEntry& entry) {
    return {entry.x, entry.y};
}

// Completed and available entries can be selected; hidden and locked ones cannot.
inline bool is_selectable(State state) {
    return state == State::Completed || state == State::Available;
}

// Makes every hidden neighbour of levels[index] available and returns their
// cells in catalogue order; then opens the final entry when it is locked and
// only one entry is left unfinished.
std::vector<Pos> reveal_around(std::vector<OverworldEntry>& levels, std::size_t index);

// Opens the locked final entry once exactly one entry is not completed.
void unlock_final_when_due(std::vector<OverworldEntry>& levels);

} // namespace coilwend
