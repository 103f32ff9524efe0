#include "ui/text_queue.hpp"

namespace coilwend {

void TextQueue::push(std::string_view text, std::uint32_t size, std::int32_t x, std::int32_t y,
                     Rgba colour, TextShadow shadow, TextAlign align) {
    TextItem item;
    item.text_offset = static_cast<std::uint32_t>(chars_.size());
    item.text_length = static_cast<std::uint32_t>(text.size());
    item.size = size;
    item.x = x;
    item.y = y;
    item.colour = colour;
    item.shadow = shadow == TextShadow::Drop;
    item.left_aligned = align == TextAlign::Left;
    chars_.append(text);
    items_.push_back(item);
}

std::uint64_t text_hash(std::string_view text) {
    std::uint64_t hash = 0xcbf29ce484222325ull;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x100000001b3ull;
    }
    return hash;
}

} // namespace coilwend
