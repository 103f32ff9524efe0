#pragma once
// Driver info logs are bytes in whatever encoding the driver likes; the log
// and the error box want valid UTF-8.

#include <string>
#include <string_view>

namespace coilwend {

// Copies valid UTF-8 sequences and replaces every invalid one with U+FFFD.
std::string utf8_lossy(std::string_view bytes);

} // namespace coilwend
