#pragma once
// The words over the map, queued as text each pass: the selected level's
// title near the bottom edge, the hint under it for a player who has never
// entered a level, and the game's title during the title sequence.

#include "input/keymap.hpp"
#include "scene/scene_text.hpp"
#include "ui/ui_context.hpp"

#include <functional>
#include <string>

namespace coilwend {

class SceneWords final : public SceneText {
  public:
    // `key_name` captions a key for the keyboard's hint (the platform's name).
    explicit SceneWords(UiContext& context, std::function<std::string(Keycode)> key_name = {})
        : context_(context), key_name_(std::move(key_name)) {}
    void queue_level_title(std::string_view title, bool entry_hint) override;
    void queue_level_record(std::uint32_t moves, bool shortest) override;
    void queue_game_title(float progress) override;

  private:
    void queue_entry_hint();

    UiContext& context_;
    std::function<std::string(Keycode)> key_name_;
};

// How strongly the game's title shows at a point of the title sequence: it
// fades in after 1.0 and out before 5.0, so it never pops.
float game_title_alpha(float progress);

inline constexpr std::uint8_t kButtonAPrompt = 21;

} // namespace coilwend
