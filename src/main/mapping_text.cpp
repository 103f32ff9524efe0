#include "main/mapping_text.hpp"

#include "main/text_trim.hpp"

namespace coilwend {

std::vector<std::string_view> controller_mapping_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.starts_with('#'))
            continue;
        // A line of blanks would be handed to SDL as an empty mapping and
        // stop the game at start-up; it is skipped like an empty line.
        line = trim_whitespace(line);
        if (!line.empty())
            lines.push_back(line);
    }
    return lines;
}

} // namespace coilwend
