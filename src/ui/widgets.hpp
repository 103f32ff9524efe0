#pragma once
// The immediate-mode widgets. Screens call them once per input event (they
// hit-test it) and once per frame with no event (they queue themselves for
// the end-of-frame pass). Positions and sizes are fractions of the window:
// see icon_edge and text_coordinate for how they become pixels.

#include "ui/ui_context.hpp"
#include "ui/ui_event.hpp"

#include <cstdint>
#include <string_view>

namespace coilwend {

enum class ButtonResult : std::uint8_t { None = 0, Pressed = 1, Clicked = 2 };
enum class ButtonUse : std::uint8_t { Enabled, Disabled };

// A square icon button; `size` is a fraction of the window's shorter side.
// A disabled button still reports clicks (its caller ignores them) but not presses.
ButtonResult icon_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                         std::uint8_t icon_index, ButtonUse use, Rgb3 colour);

// An icon without hit-testing.
void icon(UiContext& context, float x, float y, float size, std::uint8_t icon_index, Rgb3 colour);

// A caption that works as a button: as wide as its text, centred on x, from y
// down by size (a fraction of the window height). Buttons with the same
// caption share their pressed look.
ButtonResult text_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                         Rgb3 colour, std::string_view caption);

// A text button with a visible face behind its caption, so it reads as
// something to press; the face is also where it takes clicks.
ButtonResult framed_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                           Rgb3 colour, std::string_view caption);
// Where that face lies, in the pixels of the event's pass.
UiBox framed_button_box(const UiContext& context, const UiEvent* event, float x, float y,
                        float size, std::string_view caption);

// The largest text size up to `size` at which `label` is at most `max_width`
// wide (fractions of the frame), measured in the event's pass.
float fitting_size(const UiContext& context, const UiEvent* event, std::string_view label,
                   float size, float max_width);

// A white label; x is its centre unless left-aligned, y the top of its text box.
void text(UiContext& context, float x, float y, float size, TextShadow shadow, TextAlign align,
          float alpha, std::string_view label);

// A dark translucent rectangle centred in the window, covering the fractions
// `a` of the frame's width and `b` of its height, drawn at once so it lies under the
// frame's queued text and icons.
void panel(UiContext& context, float a, float b);

// Draws panels for `panel`; the GL pass provides one.
class PanelPainter {
  public:
    virtual ~PanelPainter() = default;
    virtual void paint(float a, float b) = 0;
};

// The credits pages' arrows in the bottom corners: true when clicked, for the
// D-pad, the stick (through the latch) or the left/right key bindings.
bool previous_arrow(UiContext& context, StickLatch& latch, const UiEvent* event);
bool next_arrow(UiContext& context, StickLatch& latch, const UiEvent* event);

} // namespace coilwend
