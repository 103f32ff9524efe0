#include "ui/scene_words.hpp"

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

} // namespace

float game_title_alpha(float progress) {
    if (progress < 1.0f || progress > 5.0f)
        return 0.0f;
    const float in = (progress - 1.0f) / kFadeLength;
    const float out = (5.0f - progress) / kFadeLength;
    return std::clamp(std::min(in, out), 0.0f, 1.0f);
}

void SceneWords::queue_level_title(std::string_view title) {
    text(context_, 0.5f, -0.1f, 0.1f, TextShadow::Drop, TextAlign::Centred, 1.0f, title);
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
    text(context_, 0.5f, 0.5f, kTitleBlockHeight / 3.0f, TextShadow::Drop, TextAlign::Centred,
         alpha, kGameTitle);
}

} // namespace coilwend
