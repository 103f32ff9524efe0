#include "ui/level_buttons.hpp"

#include "ui/widgets.hpp"

#include <algorithm>
#include <cmath>
#include <string>

namespace coilwend {
namespace {

constexpr std::uint8_t kUndoPrompt = 17;
constexpr std::uint8_t kResetPrompt = 18;
constexpr std::uint8_t kBackPrompt = 19;
constexpr float kColumnPromptSize = 0.04f;
constexpr float kBackPromptSize = 0.06f;

bool holds_button(PointerState state) {
    return state == PointerState::IconOver || state == PointerState::IconLeft;
}

void queue_prompts(UiContext& context, const LevelButtonPlacement& at, UiSize ui) {
    const float w = static_cast<float>(ui.width);
    const float h = static_cast<float>(ui.height);
    const float tall = std::min(1.0f, w / h); // shrinks vertical offsets in tall windows
    const float wide = std::min(1.0f, h / w);
    const Rgb3 white;
    icon(context, at.column_x, at.undo_y + 0.06f * tall, kColumnPromptSize, kUndoPrompt, white);
    icon(context, at.column_x, at.reset_y + 0.07f * tall, kColumnPromptSize, kResetPrompt, white);
    icon(context, at.back_x + 0.06f * wide, at.back_y + 0.06f * tall, kBackPromptSize, kBackPrompt,
         white);
}

// The number of undos beside the undo button, on its board side.
void queue_undo_count(UiContext& context, const LevelButtonPlacement& at, std::size_t undos) {
    const float w = static_cast<float>(context.window_size.width);
    const float h = static_cast<float>(context.window_size.height);
    const float wide = w > 0.0f ? std::min(1.0f, h / w) : 1.0f;
    const float tall = h > 0.0f ? std::min(1.0f, w / h) : 1.0f;
    text(context, at.column_x - kLevelButtonSize * wide - 0.035f,
         at.undo_y + kLevelButtonSize * tall * 0.5f - 0.035f, 0.07f, TextShadow::Drop,
         TextAlign::Centred, 1.0f, std::to_string(undos));
}

} // namespace

LevelButtonPlacement level_button_placement(const BoardCamera& camera, UiSize ui) {
    const float wide = std::min(1.0f, static_cast<float>(ui.height) / static_cast<float>(ui.width));
    const auto bw = static_cast<float>(camera.board_width);
    const auto bh = static_cast<float>(camera.board_height);
    const float vwt = camera.total_view_width;
    const float vh = camera.view_height;
    // The right margin beside the board, less the button's own width.
    const float margin = std::max(0.0f, (vwt - bw) / (2.0f * vwt) - 0.13f * wide);
    const float y0 = (vh - bh) / (2.0f * vh);
    LevelButtonPlacement at;
    at.column_x = -margin; // -0.0 when the margin is gone: still measured from the right
    at.undo_y = y0 + 0.15f;
    at.reset_y = y0 + 0.01f;
    at.redo_y = y0 + 0.29f;
    return at;
}

float level_button_grey(std::optional<std::uint32_t> stuck) {
    if (!stuck)
        return 1.0f;
    float b = std::fabs((static_cast<float>(*stuck) - 25.0f) / 50.0f);
    b = (b - 2.0f) * b;
    return (1.0f + b) * 0.3f - b;
}

// The dead-end pulse of a hint: the undo button brightens and dims about
// twice a second, and the undos needed stand beside it.
Rgb3 hinted_undo_colour(const LevelHelp& help, Rgb3 tint) {
    if (!help.undos_needed)
        return tint;
    const float wave = 0.5f + 0.5f * std::cos(static_cast<float>(help.pulse) * 0.2f);
    return {1.0f, 0.55f + 0.45f * wave, 0.35f + 0.65f * wave};
}

LevelButtonsResult level_buttons(UiContext& context, const LevelPlay& play,
                                 const BoardCamera& camera, const UiEvent* event,
                                 InputDevice device, const LevelHelp& help) {
    const UiSize ui = context.window_size;
    const LevelButtonPlacement at = level_button_placement(camera, ui);
    const float g = level_button_grey(play.stuck);
    const Rgb3 tint{g, g, g};
    const bool can_undo = play.history.size() > 1;
    const bool can_reset = play.current() != play.start();
    const bool can_redo = !play.redo.empty() && !is_complete(play.current());
    const PointerState before = context.pointer_state;

    const ButtonResult undo = icon_button(
        context, event, at.column_x, at.undo_y, kLevelButtonSize, kUndoIcon,
        can_undo ? ButtonUse::Enabled : ButtonUse::Disabled, hinted_undo_colour(help, tint));
    const ButtonResult redo =
        icon_button(context, event, at.column_x, at.redo_y, kLevelButtonSize, kRedoIcon,
                    can_redo ? ButtonUse::Enabled : ButtonUse::Disabled, tint);
    const ButtonResult reset =
        icon_button(context, event, at.column_x, at.reset_y, kLevelButtonSize, kResetIcon,
                    can_reset ? ButtonUse::Enabled : ButtonUse::Disabled, tint);
    const ButtonResult back = icon_button(context, event, at.back_x, at.back_y, kLevelButtonSize,
                                          kBackIcon, ButtonUse::Enabled, tint);

    if (event == nullptr) {
        if (device == InputDevice::Controller)
            queue_prompts(context, at, ui);
        if (help.undos_needed)
            queue_undo_count(context, at, *help.undos_needed);
        return {};
    }
    LevelButtonsResult result;
    result.taken = std::holds_alternative<PointerEvent>(*event) &&
                   (holds_button(before) || holds_button(context.pointer_state));
    if (undo == ButtonResult::Pressed)
        result.action = {LevelActionKind::PressHeld, command::kUndo};
    else if (undo == ButtonResult::Clicked)
        result.action = {LevelActionKind::ReleaseHeld, command::kUndo};
    else if (redo == ButtonResult::Clicked && can_redo)
        result.action = {LevelActionKind::Redo, 0};
    else if (reset == ButtonResult::Clicked && can_reset)
        result.action = {LevelActionKind::Reset, 0};
    else if (back == ButtonResult::Clicked)
        result.action = {LevelActionKind::Leave, 0};
    return result;
}

} // namespace coilwend
