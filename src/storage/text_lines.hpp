#pragma once
// The line format of the game's own small files (progress, settings): lines
// of "key:value" ended by line feeds.

#include <cstddef>
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

// Any piece of file content on its way into the log: escaped as above and cut
// to at most kLoggedTextLimit characters, the last three "..." when cut.
inline constexpr std::size_t kLoggedTextLimit = 200;
std::string loggable(std::string_view bytes);

// Keeps a file of many bad lines from flooding the log: the first
// kLoggedDamageLimit damaged lines are logged, the rest only counted.
class DamageCount {
  public:
    static constexpr int kLoggedDamageLimit = 20;
    // Call once per damaged line; true when this one is to be logged.
    bool should_log() { return ++count_ <= kLoggedDamageLimit; }
    // The closing line for the skipped ones, empty when none were skipped.
    std::string summary() const;

  private:
    int count_ = 0;
};

} // namespace coilwend
