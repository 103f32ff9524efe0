#pragma once
// The game's version text, embedded from version.txt (which ends in a newline,
// as text files do) and trimmed before use.

#include <string_view>

namespace coilwend {

std::string_view game_version();

} // namespace coilwend
