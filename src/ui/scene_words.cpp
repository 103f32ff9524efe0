#include "ui/scene_words.hpp"

#include "input/input_device.hpp"
#include "ui/text_layout.hpp"
#include "ui/widgets.hpp"

#include <algorithm>
#include <string>

namespace coilwend {
namespace {

constexpr std::uint8_t kStarIcon = 20;
constexpr Rgb3 kStarGold{1.0f, 0.85f, 0.3f};

// The game's name is one word; its line is a third of the title block, and
// the block, 0.6 of the window's height, is centred.
constexpr std::string_view kGameTitle = "Coilwend";
constexpr float kTitleBlockHeight = 0.6f;
constexpr float kFadeLength = 0.5f;

// The level title sits high enough for its descenders; with the hint it
// moves up to make room for the hint's line below.
constexpr float kLevelTitleSize = 0.1f;
constexpr float kLevelTitleY = -0.12f;
constexpr float kLevelTitleOverHintY = -0.18f;
constexpr float kHintSize = 0.045f;
constexpr float kHintY = -0.065f;

} // namespace

float game_title_alpha(float progress) {
    if (progress < 1.0f || progress > 5.0f)
        return 0.0f;
    const float in = (progress - 1.0f) / kFadeLength;
    const float out = (5.0f - progress) / kFadeLength;
    return std::clamp(std::min(in, out), 0.0f, 1.0f);
}

void SceneWords::queue_level_title(std::string_view title, bool entry_hint) {
    text(context_, 0.5f, entry_hint ? kLevelTitleOverHintY : kLevelTitleY, kLevelTitleSize,
         TextShadow::Drop, TextAlign::Centred, 1.0f, title);
    if (entry_hint)
        queue_entry_hint();
}

// In the words of the device the player touched last.
void SceneWords::queue_entry_hint() {
    switch (last_input_device()) {
    case InputDevice::Mouse:
        text(context_, 0.5f, kHintY, kHintSize, TextShadow::Drop, TextAlign::Centred, 1.0f,
             "Click the level to enter it");
        return;
    case InputDevice::Keyboard: {
        const Keycode enter = keymap().keys[static_cast<std::size_t>(Binding::Enter)];
        const std::string key = key_name_ ? key_name_(enter) : std::string("Enter");
        text(context_, 0.5f, kHintY, kHintSize, TextShadow::Drop, TextAlign::Centred, 1.0f,
             "Press " + key + " to enter the level");
        return;
    }
    case InputDevice::Controller:
        break;
    }
    // "Press [A] to enter the level", the button's own icon in the line.
    constexpr std::string_view before = "Press";
    constexpr std::string_view after = "to enter the level";
    const UiSize d = context_.drawable_size;
    if (d.width == 0 || d.height == 0)
        return;
    const auto pixels = static_cast<std::uint32_t>(kHintSize * static_cast<float>(d.height));
    const auto measure = [&](std::string_view words) {
        return context_.font != nullptr ? text_width(*context_.font, words, pixels)
                                        : static_cast<int>(words.size() * pixels / 2);
    };
    const int space = static_cast<int>(pixels) / 3;
    const int button = static_cast<int>(pixels);
    const int total = measure(before) + measure(after) + button + 2 * space;
    const float w = static_cast<float>(d.width);
    float x = (w - static_cast<float>(total)) / 2.0f;
    text(context_, x / w, kHintY, kHintSize, TextShadow::Drop, TextAlign::Left, 1.0f, before);
    x += static_cast<float>(measure(before) + space);
    const float shorter = static_cast<float>(std::min(d.width, d.height));
    icon(context_, x / w, 1.0f + kHintY, static_cast<float>(button) / shorter, kButtonAPrompt,
         {1, 1, 1});
    x += static_cast<float>(button + space);
    text(context_, x / w, kHintY, kHintSize, TextShadow::Drop, TextAlign::Left, 1.0f, after);
}

// Above the title, smaller: "Best: 8 moves", and right after it a star when
// no solution is shorter.
void SceneWords::queue_level_record(std::uint32_t moves, bool shortest) {
    constexpr float kRecordY = -0.185f, kRecordSize = 0.05f;
    const std::string words = "Best: " + std::to_string(moves) + (moves == 1 ? " move" : " moves");
    text(context_, 0.5f, kRecordY, kRecordSize, TextShadow::Drop, TextAlign::Centred, 1.0f, words);
    const UiSize d = context_.drawable_size;
    if (!shortest || context_.font == nullptr || d.width == 0 || d.height == 0)
        return;
    const float w = float(d.width), h = float(d.height);
    const float text_px = kRecordSize * h;
    const float star_px = kRecordSize * std::min(w, h);
    const float words_px = float(text_width(*context_.font, words, std::uint32_t(text_px)));
    const float left = w / 2 + words_px / 2 + 0.3f * star_px;
    const float top = h * (1.0f + kRecordY) + (text_px - star_px) / 2;
    icon(context_, left / w, (top + star_px) / h - 1.0f, kRecordSize, kStarIcon, kStarGold);
}

void SceneWords::queue_game_title(float progress) {
    const float alpha = game_title_alpha(progress);
    if (alpha <= 0.0f)
        return;
    // Centred on the middle of the window, not hanging from it.
    const float size = kTitleBlockHeight / 3.0f;
    text(context_, 0.5f, 0.5f - size / 2.0f, size, TextShadow::Drop, TextAlign::Centred, alpha,
         kGameTitle);
}

} // namespace coilwend
