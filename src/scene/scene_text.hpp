#pragma once
// The words the scene flow puts on screen over the map: the selected level's
// title and the game's title during the title sequence. Text drawing belongs
// to the user interface; the flow only says what to queue, each pass.

#include <cstdint>
#include <string_view>

namespace coilwend {

class SceneText {
  public:
    virtual ~SceneText() = default;
    // Every overworld pass outside the title sequence: the selected level's
    // title, centred near the bottom edge.
    virtual void queue_level_title(std::string_view title) = 0;
    // Right after the title when the player has finished the level: the
    // fewest moves it took, with a star when that is a shortest solution.
    virtual void queue_level_record(std::uint32_t moves, bool shortest) = 0;
    // Title sequence progress 1.0 up to 5.0: the game's title, one word per
    // line, centred; progress lets the words fade.
    virtual void queue_game_title(float progress) = 0;
};

} // namespace coilwend
