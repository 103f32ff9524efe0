#pragma once
// UTF-8 well-formedness, shared by the file readers (which reject lines that
// are not text) and the log's cleaning of driver strings.

#include <cstddef>
#include <string_view>

namespace coilwend {

// Length of the well-formed sequence starting at `at`, or 0 when it is not
// one. Overlong forms, surrogates and values above U+10FFFF are rejected.
std::size_t utf8_sequence_length(std::string_view bytes, std::size_t at);

bool is_valid_utf8(std::string_view bytes);

} // namespace coilwend
