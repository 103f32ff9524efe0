#include "main/mapping_text.hpp"

#include "main/text_trim.hpp"
#include "storage/text_lines.hpp"

namespace coilwend {

std::vector<std::string_view> controller_mapping_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::string_view line : split_lines(text)) {
        if (line.starts_with('#'))
            continue;
        // A line of blanks would be handed to SDL as an empty mapping and
        // stop the game at start-up; it is skipped like an empty line. The
        // trim also drops a carriage return on a last line without a line feed.
        line = trim_whitespace(line);
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

} // namespace coilwend
