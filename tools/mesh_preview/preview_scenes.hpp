#pragma once
// The boards the mesh preview renders: straight, coiled, two-headed and
// animated snakes, every skin, open mouths, the exit dive and small snakes.

#include "game/puzzle.hpp"
#include "snake_rendering/snake_animation.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwend::preview {

struct PreviewSnake {
    std::size_t index = 0;
    SnakeAnimation animation;
    std::optional<std::uint8_t> skin; // chosen by the rules when absent
};

struct Scene {
    std::string name;
    Puzzle puzzle;
    std::vector<PreviewSnake> snakes; // which of the puzzle's snakes to draw, and how
};

std::vector<Scene> preview_scenes();

} // namespace coilwend::preview
