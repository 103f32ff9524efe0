#pragma once
// The words over the map, queued as text each pass: the selected level's
// title near the bottom edge and the game's title during the title sequence.

#include "scene/scene_text.hpp"
#include "ui/ui_context.hpp"

namespace coilwend {

class SceneWords final : public SceneText {
  public:
    explicit SceneWords(UiContext& context) : context_(context) {}
    void queue_level_title(std::string_view title) override;
    void queue_level_record(std::uint32_t moves, bool shortest) override;
    void queue_game_title(float progress) override;

  private:
    UiContext& context_;
};

// How strongly the game's title shows at a point of the title sequence: it
// fades in after 1.0 and out before 5.0, so it never pops.
float game_title_alpha(float progress);

} // namespace coilwend
