#pragma once
// The overworld table: where each offered level sits on the overworld grid
// and how far the player has got with it. Its order is the catalogue order
// used by reveal, automatic selection and the save file.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace coilwend {

enum class State : std::uint8_t { Completed = 0, Available = 1, Hidden = 2, Locked = 3 };

struct OverworldEntry {
    std::string_view id;
    std::int8_t x = 0;
    std::int8_t y = 0;
    State state = State::Hidden;
    friend bool operator==(const OverworldEntry&, const OverworldEntry&) = default;
};

// The 79 offered levels in catalogue order, as a new game starts: the first
// available, the final level locked, every other hidden. Called at start-up
// and again when the player resets all progress.
std::vector<OverworldEntry> build_overworld_table();

// The definitions that are built but never placed on the overworld.
std::span<const std::string_view> unplaced_level_ids();

} // namespace coilwend
