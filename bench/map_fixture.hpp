#pragma once
// The map of a player about a third of the way through, as the overworld
// benchmarks draw it: 30 levels won, six open, level 31 selected, 1280 x 720.

#include "overworld/catalogue.hpp"
#include "scene/overworld_view.hpp"

#include <span>
#include <vector>

namespace coilwend::bench {

inline std::vector<OverworldEntry> third_of_the_way_levels() {
    std::vector<OverworldEntry> levels = build_overworld_table();
    for (std::size_t i = 0; i < levels.size() - 1; ++i)
        levels[i].state = i < 30 ? State::Completed : i < 36 ? State::Available : State::Hidden;
    return levels;
}

inline OverworldFrame third_of_the_way_frame(std::span<const OverworldEntry> levels) {
    OverworldFrame frame;
    frame.levels = levels;
    frame.selected = 31;
    frame.proj = Mat4::identity();
    frame.window_width = frame.drawable_width = 1280;
    frame.window_height = frame.drawable_height = 720;
    return frame;
}

} // namespace coilwend::bench
