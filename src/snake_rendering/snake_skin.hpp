#pragma once
// The eight snake skins: which snake wears which, the colour of every scale
// and the colours of the eyes.

#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"
#include "snake_rendering/snake_profile.hpp"

#include <cstddef>
#include <cstdint>

namespace coilwend {

// The skin (0..7) of snake index of the puzzle: fixed per snake in the level
// "Reunion", otherwise by the companion flag and the puzzle's setting.
std::uint8_t snake_skin(const Puzzle& puzzle, std::size_t index, const Snake& snake);

enum class QuadHalf : std::uint8_t { Second = 0, First = 1 };

// The colour of one triangle of the quad between the rings at sample a and
// a + 1, ring index k, of a snake with n samples.
Rgb skin_colour(std::uint8_t skin, int sample, int ring, QuadHalf half, int samples,
                HeadCount heads);

struct EyeColours {
    Rgb outer; // E1: both sides of the eye
    Rgb pupil; // E2: the middle
};
EyeColours eye_colours(std::uint8_t skin);

} // namespace coilwend
