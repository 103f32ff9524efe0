#pragma once
// The overworld state a screenshot shows: the map after a number of levels
// were won in catalogue order, seen whole or close up, optionally in the
// middle of the last win's reveal or under the menu.

#include "game/matrix.hpp"
#include "overworld/catalogue.hpp"
#include "scene/overworld_view.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace render_shot {

struct OverworldRequest {
    std::string view = "map";    // "map": the whole map; "close": zoomed in on the first level
    int completed = 0;           // levels won, each the first playable one in catalogue order
    std::optional<float> reveal; // freeze the last win's reveal at this progress
    bool menu_open = false;
    int frames = 240; // frames drawn before the shot, so the plume has drifted out
    // Entering the selected level, 0 (on the map) to 1 (at the level): the
    // close view on the selection, closing in as the game does.
    std::optional<float> entering;
    bool light_on_view = false; // the light follows the closing view, not the camera target
};

// The table and reveal list a frame points into; valid while this lives.
struct OverworldScene {
    std::vector<coilwend::OverworldEntry> levels;
    std::vector<coilwend::Pos> revealed;
    coilwend::OverworldFrame frame;
};

// The view projection of the map camera at position camera and zoom d, for a
// drawable of the given aspect (width / height).
coilwend::Mat4 overworld_projection(coilwend::Vec3 camera, float zoom, float aspect);

// Fills the frame for the given window and drawable sizes.
void prepare_overworld(const OverworldRequest& request, std::uint32_t window_width,
                       std::uint32_t window_height, std::uint32_t drawable_width,
                       std::uint32_t drawable_height, OverworldScene& scene);

} // namespace render_shot
