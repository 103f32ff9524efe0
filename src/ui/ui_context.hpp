#pragma once
// The user-interface context, one per process: the sizes the widgets place
// themselves by, the pointer state (which widget the left button went down
// on), the stick latch and the two draw queues emptied at the end of a frame.

#include "ui/font.hpp"
#include "ui/stick_latch.hpp"
#include "ui/text_queue.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

struct UiSize {
    std::uint32_t width = 0;
    std::uint32_t height = 0;
};

enum class PointerState : std::uint8_t {
    Idle = 0,
    HeldOutside = 1, // went down outside every widget: blocks presses until it is up
    IconOver = 2,
    IconLeft = 3,
    TextOver = 4,
    TextLeft = 5,
};

struct Rgb3 {
    float r = 1, g = 1, b = 1;
};

struct IconQueueEntry {
    std::int32_t x = 0, y = 0, size = 0; // pixels
    Rgb3 colour;
    std::uint8_t icon = 0;
    std::uint8_t enabled = 1;
    std::uint8_t halo = 0; // 1: a dark outline, for icons over the bright map
};

// A rectangle of pixels: a framed button's face, or where a widget lies.
struct UiBox {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
};

// What the widgets' fractions are fractions of. The menu was laid out for a
// 16:9 window; in any other shape it keeps those proportions inside the
// largest 16:9 box centred in the window, so nothing it places can collide.
enum class UiFrame : std::uint8_t { Window, Wide };

class PanelPainter;

struct UiContext {
    UiSize window_size;   // mouse coordinates, for hit-testing
    UiSize drawable_size; // pixels, for drawing
    PointerState pointer_state = PointerState::Idle;
    std::uint8_t pressed_icon = 0;
    std::uint64_t pressed_text = 0;
    StickLatch stick_latch;
    TextQueue text_queue;
    std::vector<IconQueueEntry> icon_queue;
    std::vector<UiBox> box_queue; // framed buttons' faces, drawn under the text
    UiFrame frame = UiFrame::Window;
    const Font* font = nullptr;     // text buttons measure their captions with it
    PanelPainter* panels = nullptr; // draws panels at once; none without GL

    // The identity of a held text button, whose caption is drawn darker.
    std::optional<std::uint64_t> dimmed_text() const {
        if (pointer_state == PointerState::TextOver)
            return pressed_text;
        return std::nullopt;
    }
};

// The pixels the widgets' fractions refer to within `extent`.
UiBox frame_box(UiFrame frame, UiSize extent);

// After the frame: a button held with nothing pressed counts as pressed
// outside every widget; a released button makes the pointer idle.
void settle_pointer_state(UiContext& context, bool left_button_down);

// Where an icon of `size` pixels goes along an axis of `extent` pixels for the
// fraction `f`: a set sign bit (even -0.0) measures the far edge from the end,
// exactly 0.5 centres it, anything else is the near edge. Truncates.
std::int32_t icon_edge(float f, std::uint32_t extent, std::int32_t size);
// A text position along an axis: f × extent truncated, plus the extent if negative.
std::int32_t text_coordinate(float f, std::uint32_t extent);

} // namespace coilwend
