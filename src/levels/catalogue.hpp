#pragma once
// The 94 level definitions, parsed once from their pictures and kept in
// ascending text order of their identifiers.

#include "game/puzzle.hpp"

#include <string_view>
#include <vector>

namespace coilwend {

// Built on first use; a malformed or duplicated definition ends the program.
const std::vector<Level>& level_definitions();

// Fatal "No level called <id>" when the identifier has no definition.
const Level& find_level(std::string_view id);

// The title the player sees; the same text as the level's Puzzle::name.
inline std::string_view level_title(const Level& level) {
    return level.puzzle.name;
}

} // namespace coilwend
