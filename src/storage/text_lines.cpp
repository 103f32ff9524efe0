#include "storage/text_lines.hpp"

#include <cstdio>
#include <string>

namespace coilwend {

std::vector<std::string_view> split_lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
    }
    return lines;
}

std::optional<KeyValue> split_key_value(std::string_view line) {
    const auto colon = line.find(':');
    if (colon == std::string_view::npos)
        return std::nullopt;
    const std::string_view rest = line.substr(colon + 1);
    return KeyValue{line.substr(0, colon), rest.substr(0, rest.find(':'))};
}

std::string escape_unprintable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

std::string loggable(std::string_view bytes) {
    constexpr std::string_view dots = "...";
    std::string out;
    std::size_t room_for_dots =
        0; // the longest prefix, in whole escapes, that leaves room for them
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const std::string piece = escape_unprintable(bytes.substr(i, 1));
        if (out.size() + piece.size() > kLoggedTextLimit) {
            out.resize(room_for_dots);
            return out += dots;
        }
        out += piece;
        if (out.size() + dots.size() <= kLoggedTextLimit)
            room_for_dots = out.size();
    }
    return out;
}

std::string DamageCount::summary() const {
    if (count_ <= kLoggedDamageLimit)
        return {};
    return "Skipped " + std::to_string(count_ - kLoggedDamageLimit) + " more damaged lines";
}

} // namespace coilwend
