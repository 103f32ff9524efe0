#pragma once
// The line format of the game's own small files (progress, settings): lines
// of "key:value" ended by line feeds.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace coilwend {

// A line feed ends a line and one carriage return right before it is dropped
// too, so files edited on Windows read alike; a last line without a line feed
// still counts, and a final line feed yields no empty line after it.
std::vector<std::string_view> split_lines(std::string_view text);

struct KeyValue {
    std::string_view key;   // before the first colon
    std::string_view value; // up to the next colon; anything after that is ignored
};
// Nothing when the line has no colon. No blanks are trimmed.
std::optional<KeyValue> split_key_value(std::string_view line);

// A damaged line as it may be logged: bytes outside printable ASCII are shown
// as \xNN so the log stays one readable line of text.
std::string escape_unprintable(std::string_view bytes);

} // namespace coilwend
