#include "ui/widgets.hpp"

#include "input/keymap.hpp"
#include "ui/text_layout.hpp"

#include <algorithm>

namespace coilwend {
namespace {

struct PixelRect {
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    // Strict on every side: a pointer on the edge is outside.
    bool contains(std::int32_t x, std::int32_t y) const {
        return left < x && x < left + width && top < y && y < top + height;
    }
};

PixelRect icon_rect(float x, float y, float size, const UiBox& frame) {
    const auto pixels =
        static_cast<std::int32_t>(size * static_cast<float>(std::min(frame.width, frame.height)));
    const auto w = static_cast<std::uint32_t>(frame.width);
    const auto h = static_cast<std::uint32_t>(frame.height);
    return {frame.left + icon_edge(x, w, pixels), frame.top + icon_edge(y, h, pixels), pixels,
            pixels};
}

UiBox frame_of(const UiContext& context, const UiEvent* event) {
    return frame_box(context.frame, event == nullptr ? context.drawable_size : context.window_size);
}

std::int32_t frame_x(float x, const UiBox& frame) {
    return frame.left + text_coordinate(x, static_cast<std::uint32_t>(frame.width));
}
std::int32_t frame_y(float y, const UiBox& frame) {
    return frame.top + text_coordinate(y, static_cast<std::uint32_t>(frame.height));
}
std::uint32_t text_pixels(float size, const UiBox& frame) {
    return static_cast<std::uint32_t>(std::max(0.0f, size * static_cast<float>(frame.height)));
}

// The pressed and left states of one kind of button, and whether the pressed
// one is this one.
struct ButtonStates {
    PointerState over;
    PointerState left;
    bool is_this;
};

// The pointer state machine shared by icon and text buttons. `press` records
// this button as the pressed one.
template <class Press>
ButtonResult pointer_on_button(UiContext& context, const PointerEvent& pointer,
                               const PixelRect& rect, const ButtonStates& states, bool enabled,
                               Press press) {
    const bool inside = rect.contains(pointer.x, pointer.y);
    switch (pointer.kind) {
    case PointerEvent::Kind::Press:
        if (inside && context.pointer_state == PointerState::Idle) {
            context.pointer_state = states.over;
            press();
            return enabled ? ButtonResult::Pressed : ButtonResult::None;
        }
        return ButtonResult::None;
    case PointerEvent::Kind::Move:
        if (states.is_this && context.pointer_state == states.left && inside)
            context.pointer_state = states.over;
        else if (states.is_this && context.pointer_state == states.over && !inside)
            context.pointer_state = states.left;
        return ButtonResult::None;
    case PointerEvent::Kind::Release:
        if (states.is_this && context.pointer_state == states.over && inside)
            return ButtonResult::Clicked;
        return ButtonResult::None;
    }
    return ButtonResult::None;
}

constexpr Rgb3 kWhite{1, 1, 1};
constexpr float kFramePadding = 0.2f;
constexpr float kArrowSize = 0.1f;
constexpr float kArrowMargin = 0.05f;
constexpr std::uint8_t kPreviousIcon = 0;
constexpr std::uint8_t kNextIcon = 8;

bool arrow(UiContext& context, StickLatch& latch, const UiEvent* event, float x,
           std::uint8_t icon_index, const StickUser& stick, StickDirection direction,
           ControllerButton dpad, Binding key, Binding key2) {
    const ButtonResult result = icon_button(context, event, x, -kArrowMargin, kArrowSize,
                                            icon_index, ButtonUse::Enabled, kWhite);
    if (result == ButtonResult::Clicked)
        return true;
    const auto* input = event != nullptr ? std::get_if<InputEvent>(event) : nullptr;
    if (input == nullptr)
        return false;
    switch (input->kind) {
    case InputKind::ButtonDown:
        return input->code == static_cast<std::int32_t>(dpad);
    case InputKind::KeyDown:
        return !input->auto_repeat &&
               (keymap().matches(key, input->code) || keymap().matches(key2, input->code));
    case InputKind::AxisMotion:
        return stick_latch_step(latch, stick, *input) == direction;
    default:
        return false;
    }
}

} // namespace

ButtonResult icon_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                         std::uint8_t icon_index, ButtonUse use, Rgb3 colour) {
    const bool enabled = use == ButtonUse::Enabled;
    if (event == nullptr) {
        const PixelRect rect = icon_rect(x, y, size, frame_of(context, event));
        context.icon_queue.push_back({rect.left, rect.top, rect.width, colour, icon_index,
                                      static_cast<std::uint8_t>(enabled ? 1 : 0)});
        return ButtonResult::None;
    }
    const auto* pointer = std::get_if<PointerEvent>(event);
    if (pointer == nullptr)
        return ButtonResult::None;
    const bool is_this = context.pressed_icon == icon_index;
    return pointer_on_button(context, *pointer, icon_rect(x, y, size, frame_of(context, event)),
                             {PointerState::IconOver, PointerState::IconLeft, is_this}, enabled,
                             [&] { context.pressed_icon = icon_index; });
}

void icon(UiContext& context, float x, float y, float size, std::uint8_t icon_index, Rgb3 colour) {
    const PixelRect rect = icon_rect(x, y, size, frame_of(context, nullptr));
    context.icon_queue.push_back({rect.left, rect.top, rect.width, colour, icon_index, 1});
}

ButtonResult text_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                         Rgb3 colour, std::string_view caption) {
    const UiBox frame = frame_of(context, event);
    const std::uint32_t pixels = text_pixels(size, frame);
    const std::uint64_t identity = text_button_identity(caption, x, y);
    if (event == nullptr) {
        context.text_queue.push(caption, pixels, frame_x(x, frame), frame_y(y, frame),
                                {colour.r, colour.g, colour.b, 1.0f}, TextShadow::None,
                                TextAlign::Centred, identity);
        return ButtonResult::None;
    }
    const auto* pointer = std::get_if<PointerEvent>(event);
    if (pointer == nullptr)
        return ButtonResult::None;
    const std::int32_t width =
        context.font != nullptr ? text_width(*context.font, caption, pixels) : 0;
    const PixelRect rect{frame_x(x, frame) - width / 2, frame_y(y, frame), width,
                         static_cast<std::int32_t>(pixels)};
    return pointer_on_button(
        context, *pointer, rect,
        {PointerState::TextOver, PointerState::TextLeft, context.pressed_text == identity}, true,
        [&] { context.pressed_text = identity; });
}

float fitting_size(const UiContext& context, const UiEvent* event, std::string_view label,
                   float size, float max_width) {
    if (context.font == nullptr)
        return size;
    const UiBox frame = frame_of(context, event);
    const float limit = max_width * static_cast<float>(frame.width);
    const auto width = [&](float s) {
        return static_cast<float>(text_width(*context.font, label, text_pixels(s, frame)));
    };
    const float full = width(size);
    if (full <= limit)
        return size;
    float fitted = size * limit / full;
    while (fitted > 0.0f && width(fitted) > limit) // glyph rounding can overshoot a little
        fitted *= 0.98f;
    return fitted;
}

UiBox framed_button_box(const UiContext& context, const UiEvent* event, float x, float y,
                        float size, std::string_view caption) {
    const UiBox frame = frame_of(context, event);
    const std::uint32_t pixels = text_pixels(size, frame);
    const std::int32_t width =
        context.font != nullptr ? text_width(*context.font, caption, pixels) : 0;
    // The face reaches a little past the text so it reads as a key cap.
    const auto pad = static_cast<std::int32_t>(kFramePadding * static_cast<float>(pixels));
    const std::int32_t face = std::max(width, static_cast<std::int32_t>(pixels)) + 2 * pad;
    return {frame_x(x, frame) - face / 2, frame_y(y, frame) - pad / 2, face,
            static_cast<std::int32_t>(pixels) + pad};
}

ButtonResult framed_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                           Rgb3 colour, std::string_view caption) {
    const UiBox face = framed_button_box(context, event, x, y, size, caption);
    if (event == nullptr) {
        context.box_queue.push_back(face);
        return text_button(context, event, x, y, size, colour, caption);
    }
    const auto* pointer = std::get_if<PointerEvent>(event);
    if (pointer == nullptr)
        return ButtonResult::None;
    // The same identity as the caption's text button, so the pressed face's
    // caption is the one dimmed, and equal captions stay two buttons.
    const std::uint64_t identity = text_button_identity(caption, x, y);
    return pointer_on_button(
        context, *pointer, {face.left, face.top, face.width, face.height},
        {PointerState::TextOver, PointerState::TextLeft, context.pressed_text == identity}, true,
        [&] { context.pressed_text = identity; });
}

void text(UiContext& context, float x, float y, float size, TextShadow shadow, TextAlign align,
          float alpha, std::string_view label) {
    const UiBox frame = frame_of(context, nullptr);
    context.text_queue.push(label, text_pixels(size, frame), frame_x(x, frame), frame_y(y, frame),
                            {1, 1, 1, alpha}, shadow, align);
}

void panel(UiContext& context, float a, float b) {
    if (context.panels == nullptr)
        return;
    // The painter covers fractions of the window; the menu gives them of its frame.
    const UiSize d = context.drawable_size;
    const UiBox frame = frame_box(context.frame, d);
    const float wide = d.width == 0 ? 1.0f : float(frame.width) / float(d.width);
    const float tall = d.height == 0 ? 1.0f : float(frame.height) / float(d.height);
    context.panels->paint(a * wide, b * tall);
}

bool previous_arrow(UiContext& context, StickLatch& latch, const UiEvent* event) {
    return arrow(context, latch, event, kArrowMargin, kPreviousIcon, stick_users::kPreviousArrow,
                 StickDirection::Left, ControllerButton::DpadLeft, Binding::Left, Binding::Left2);
}

bool next_arrow(UiContext& context, StickLatch& latch, const UiEvent* event) {
    return arrow(context, latch, event, -kArrowMargin, kNextIcon, stick_users::kNextArrow,
                 StickDirection::Right, ControllerButton::DpadRight, Binding::Right,
                 Binding::Right2);
}

} // namespace coilwend
