#pragma once
// The thickness of a snake along its samples and the end tests that open its
// mouth(s) towards food.

#include "game/puzzle.hpp"
#include "snake_rendering/snake_animation.hpp"

namespace coilwend {

enum class HeadCount { One, Two };

// The body radius R of a snake with n samples: grows 0.012 per cell up to 0.35.
float body_radius(int samples);

// The radius r at sample a of a snake with n samples, before eaten-item
// bulges: tapered tail tip (or second head), body, neck and head. Never negative.
float radius_profile(int sample, int samples, HeadCount heads);

// The extra radius that eaten items give to sample a: a bump on every cell of
// the snake that lies on an eaten mark, fading as the mark counts down.
float bulge(const Snake& snake, const Puzzle& puzzle, int sample, float step_amount);

// End tests: 1 when the end is at food (an item on it, or an item ahead
// right after eating), easing in or out over a step, 0 otherwise. The tail
// end only has one on a two-headed snake.
float head_reach(const Snake& snake, const Puzzle& puzzle, float progress);
float tail_reach(const Snake& snake, const Puzzle& puzzle, float progress);

} // namespace coilwend
