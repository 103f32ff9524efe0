#pragma once
// The embedded game-controller mapping database: one SDL mapping per line,
// with "#" comment lines between the platform sections.

#include <string_view>
#include <vector>

namespace coilwend {

// The mapping lines of the text, in order: split at line feeds, a trailing
// carriage return dropped, comment lines and blank lines skipped, each trimmed.
std::vector<std::string_view> controller_mapping_lines(std::string_view text);

} // namespace coilwend
