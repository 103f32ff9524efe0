#include "overworld/reveal.hpp"

#include <algorithm>

namespace coilwend {

std::vector<Pos> reveal_around(std::vector<OverworldEntry>& levels, std::size_t index) {
    const Pos centre = entry_cell(levels[index]);
    std::vector<Pos> revealed;
    for (OverworldEntry& entry : levels) {
        if (entry.state == State::Hidden && are_neighbours(entry_cell(entry), centre)) {
            entry.state = State::Available;
            revealed.push_back(entry_cell(entry));
        }
    }
    unlock_final_when_due(levels);
    return revealed;
}

void unlock_final_when_due(std::vector<OverworldEntry>& levels) {
    if (levels.empty())
        return;
    const auto unfinished = std::count_if(levels.begin(), levels.end(), [](const auto& entry) {
        return entry.state != State::Completed;
    });
    if (unfinished == 1 && levels.back().state == State::Locked)
        levels.back().state = State::Available;
}

} // namespace coilwend
