#pragma once
// The centre line of a snake: cubic Bézier segments through its cell centres,
// sampled six times per cell, with a ring frame at every sample.

#include "game/geometry.hpp"
#include "game/matrix.hpp"
#include "game/puzzle.hpp"
#include "snake_rendering/snake_animation.hpp"

namespace coilwend {

inline constexpr int kSamplesPerCell = 6;

struct CurveFrame {
    Vec3 centre;  // on the centre line at floor level (the body is lifted off it)
    Vec3 side;    // N: unit, across the body, horizontal unless the body leans
    Vec3 up;      // B: unit, the top of the body; +z where the snake lies flat
    Vec3 forward; // unit tangent, from the first cell towards the last
};

// The cell for any index: the cells themselves inside the list, the tail end
// extrapolated straight for i < 0 and the head end for i >= length; a one-cell
// snake extrapolates along +x. Coordinates wrap at 8 bits.
Pos cell_at(const Snake& snake, int i);

// The animation shift d of one sample, in cells: the step progress, except
// that a step that ate a grow item keeps the trailing end where it was.
float animation_shift(float sample, int length, const SnakeAnimation& animation);

// The frame of the ring at a sample (fractional samples are allowed). reach is
// the end test value of the sample, which pulls the end cells in. Stops the
// program if the local curve parameter leaves [0, 1] (only a NaN can do that).
CurveFrame snake_curve(const Snake& snake, float sample, float reach,
                       const SnakeAnimation& animation);

} // namespace coilwend
