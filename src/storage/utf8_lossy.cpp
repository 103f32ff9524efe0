#include "storage/utf8_lossy.hpp"

#include "storage/utf8.hpp"

#include <cstddef>

namespace coilwend {
namespace {

constexpr std::string_view replacement = "\xEF\xBF\xBD";

} // namespace

std::string utf8_lossy(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t at = 0;
    while (at < bytes.size()) {
        const std::size_t length = utf8_sequence_length(bytes, at);
        if (length == 0) {
            text += replacement;
            ++at;
        } else {
            text += bytes.substr(at, length);
            at += length;
        }
    }
    return text;
}

} // namespace coilwend
