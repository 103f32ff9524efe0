#pragma once
// Whitespace trimming for the embedded texts (version, controller mappings).

#include <string_view>

namespace coilwend {

inline std::string_view trim_whitespace(std::string_view text) {
    constexpr std::string_view kBlank = " \t\r\n\f\v";
    const auto first = text.find_first_not_of(kBlank);
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(kBlank);
    return text.substr(first, last - first + 1);
}

} // namespace coilwend
