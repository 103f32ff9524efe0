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

std::int32_t icon_pixels(float size, UiSize extent) {
    return static_cast<std::int32_t>(size *
                                     static_cast<float>(std::min(extent.width, extent.height)));
}

PixelRect icon_rect(float x, float y, float size, UiSize extent) {
    const std::int32_t pixels = icon_pixels(size, extent);
    return {icon_edge(x, extent.width, pixels), icon_edge(y, extent.height, pixels), pixels,
            pixels};
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
        const PixelRect rect = icon_rect(x, y, size, context.drawable_size);
        context.icon_queue.push_back({rect.left, rect.top, rect.width, colour, icon_index,
                                      static_cast<std::uint8_t>(enabled ? 1 : 0)});
        return ButtonResult::None;
    }
    const auto* pointer = std::get_if<PointerEvent>(event);
    if (pointer == nullptr)
        return ButtonResult::None;
    const bool is_this = context.pressed_icon == icon_index;
    return pointer_on_button(context, *pointer, icon_rect(x, y, size, context.window_size),
                             {PointerState::IconOver, PointerState::IconLeft, is_this}, enabled,
                             [&] { context.pressed_icon = icon_index; });
}

void icon(UiContext& context, float x, float y, float size, std::uint8_t icon_index, Rgb3 colour) {
    const PixelRect rect = icon_rect(x, y, size, context.drawable_size);
    context.icon_queue.push_back({rect.left, rect.top, rect.width, colour, icon_index, 1});
}

ButtonResult text_button(UiContext& context, const UiEvent* event, float x, float y, float size,
                         Rgb3 colour, std::string_view caption) {
    const std::uint64_t identity = text_button_identity(caption, x, y);
    if (event == nullptr) {
        const UiSize d = context.drawable_size;
        context.text_queue.push(caption, static_cast<std::uint32_t>(size * d.height),
                                text_coordinate(x, d.width), text_coordinate(y, d.height),
                                {colour.r, colour.g, colour.b, 1.0f}, TextShadow::None,
                                TextAlign::Centred, identity);
        return ButtonResult::None;
    }
    const auto* pointer = std::get_if<PointerEvent>(event);
    if (pointer == nullptr)
        return ButtonResult::None;
    const UiSize w = context.window_size;
    const auto pixels = static_cast<std::int32_t>(size * static_cast<float>(w.height));
    const std::int32_t width =
        context.font != nullptr
            ? text_width(*context.font, caption, static_cast<std::uint32_t>(std::max(pixels, 0)))
            : 0;
    const PixelRect rect{text_coordinate(x, w.width) - width / 2, text_coordinate(y, w.height),
                         width, pixels};
    return pointer_on_button(
        context, *pointer, rect,
        {PointerState::TextOver, PointerState::TextLeft, context.pressed_text == identity}, true,
        [&] { context.pressed_text = identity; });
}

void text(UiContext& context, float x, float y, float size, TextShadow shadow, TextAlign align,
          float alpha, std::string_view label) {
    const UiSize d = context.drawable_size;
    context.text_queue.push(label, static_cast<std::uint32_t>(size * d.height),
                            text_coordinate(x, d.width), text_coordinate(y, d.height),
                            {1, 1, 1, alpha}, shadow, align);
}

void panel(UiContext& context, float a, float b) {
    if (context.panels != nullptr)
        context.panels->paint(a, b);
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
