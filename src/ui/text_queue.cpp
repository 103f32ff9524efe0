#include "ui/text_queue.hpp"

#include <array>
#include <bit>

namespace coilwend {

void TextQueue::push(std::string_view text, std::uint32_t size, std::int32_t x, std::int32_t y,
                     Rgba colour, TextShadow shadow, TextAlign align, std::uint64_t button) {
    TextItem item;
    item.text_offset = static_cast<std::uint32_t>(chars_.size());
    item.text_length = static_cast<std::uint32_t>(text.size());
    item.size = size;
    item.x = x;
    item.y = y;
    item.colour = colour;
    item.shadow = shadow == TextShadow::Drop;
    item.left_aligned = align == TextAlign::Left;
    item.button = button;
    chars_.append(text);
    items_.push_back(item);
}

namespace {

std::uint64_t fnv1a(std::uint64_t hash, std::string_view bytes) {
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace

std::uint64_t text_hash(std::string_view text) {
    return fnv1a(0xcbf29ce484222325ull, text);
}

std::uint64_t text_button_identity(std::string_view caption, float x, float y) {
    const auto place = std::bit_cast<std::array<char, 2 * sizeof(float)>>(std::array{x, y});
    return fnv1a(text_hash(caption), {place.data(), place.size()});
}

} // namespace coilwend
