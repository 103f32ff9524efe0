#pragma once
// The text queued by the widgets during a frame and drawn at its end. The
// queue owns the characters in one buffer that keeps its capacity, so a
// steady frame of text allocates nothing.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace coilwend {

struct Rgba {
    float r = 1, g = 1, b = 1, a = 1;
};

struct TextItem {
    std::uint32_t text_offset = 0; // into the queue's character buffer
    std::uint32_t text_length = 0;
    std::uint32_t size = 0; // pixels from the descender line to the ascender line
    std::int32_t x = 0;     // left end when left-aligned, else the centre
    std::int32_t y = 0;     // top of the text box
    Rgba colour;
    bool shadow = false;
    bool left_aligned = false;
    std::uint64_t button = 0; // a text button's identity; 0 for plain text
};

enum class TextAlign : std::uint8_t { Centred, Left };
enum class TextShadow : std::uint8_t { None, Drop };

class TextQueue {
  public:
    void push(std::string_view text, std::uint32_t size, std::int32_t x, std::int32_t y,
              Rgba colour, TextShadow shadow, TextAlign align, std::uint64_t button = 0);
    std::span<const TextItem> items() const { return items_; }
    std::string_view text(const TextItem& item) const {
        return std::string_view(chars_).substr(item.text_offset, item.text_length);
    }
    void clear() {
        items_.clear();
        chars_.clear();
    }

  private:
    std::vector<TextItem> items_;
    std::string chars_;
};

// 64-bit FNV-1a.
std::uint64_t text_hash(std::string_view text);
// How a text button is recognised between frames: its caption and its place
// (the fractions of the window it is placed at), so two buttons with the
// same caption stay two buttons.
std::uint64_t text_button_identity(std::string_view caption, float x, float y);

} // namespace coilwend
