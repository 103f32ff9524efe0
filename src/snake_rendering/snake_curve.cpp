#include "snake_rendering/snake_curve.hpp"

#include "game/log.hpp"

#include <algorithm>
#include <cmath>

// Sections: cell lists before and after the step, control points and handles,
// the Bézier segment, the ring frame.

namespace coilwend {
namespace {

// Sample 6i is the start of cell i, so the centre of cell i is sample 6i + 3:
// the body then covers its cells evenly, tail tip and snout included.
constexpr float kCentreSample = 3.0f;

constexpr float kStraightHandle = 0.33f; // thirds: an even pace on straight runs
constexpr float kTurnHandle = 0.5523f;   // a circle-like arc through a corner cell
// The body leans into turns like a bicycle; radians per unit of curvature.
constexpr float kLeanPerCurvature = 0.12f;
constexpr float kMaxLean = 0.3f;

Vec3 lerp(Vec3 a, Vec3 b, float w) {
    return a + (b - a) * w;
}
bool length_squared_below(Vec3 v, float limit) {
    return dot(v, v) < limit;
}

// A list of cells given by an accessor, extrapolated beyond both ends.
template <class CellFn> Pos extrapolate(const CellFn& cell, int length, int i) {
    if (i >= 0 && i < length)
        return cell(i);
    if (length == 1) {
        const Pos only = cell(0);
        return {wrap8(only.x + i), only.y};
    }
    const bool before_first = i < 0;
    const Pos end = before_first ? cell(0) : cell(length - 1);
    const Pos next = before_first ? cell(1) : cell(length - 2);
    const int steps = before_first ? -i : i - (length - 1);
    const int dx = wrap8(end.x - next.x), dy = wrap8(end.y - next.y);
    return {wrap8(end.x + steps * dx), wrap8(end.y + steps * dy)};
}

// The control point of one cell: its centre at floor level, or one unit below
// the floor where the cell repeats its predecessor (the part of a snake that
// has crawled into the exit).
template <class CellFn> Vec3 control_point(const CellFn& cell, int length, int i) {
    const Pos c = extrapolate(cell, length, i);
    const bool repeated = i > 0 && c == extrapolate(cell, length, i - 1);
    return {static_cast<float>(c.x), static_cast<float>(c.y), repeated ? -1.0f : 0.0f};
}

bool same_place(Vec3 a, Vec3 b) {
    return std::fabs(a.x - b.x) + std::fabs(a.y - b.y) < 1e-4f;
}

// A point and its Bézier handle (the offset of the inner control point).
struct Knot {
    Vec3 point;
    Vec3 handle;
};

template <class CellFn> Knot knot(const CellFn& cell, int length, int i) {
    const Vec3 prev = control_point(cell, length, i - 1);
    const Vec3 here = control_point(cell, length, i);
    const Vec3 next = control_point(cell, length, i + 1);
    const Vec3 central = (next - prev) * 0.5f;
    float scale = kTurnHandle;
    if (i <= 0 || i >= length - 1 || same_place(prev, here) || same_place(here, next) ||
        same_place(here - prev, next - here))
        scale = kStraightHandle;
    return {here, central * scale};
}

// The snake as it lay before the animated step, expressed on the current
// cells: old index j is the trailing cell when j == trail_index, otherwise
// current cell j + shift. Current index i shows the old index i + delta.
struct PreviousCells {
    const std::vector<Pos>* cells = nullptr;
    int length = 0;
    int shift = 0;
    int trail_index = -1;
    Pos trailing;
    Pos operator()(int j) const { return j == trail_index ? trailing : (*cells)[j + shift]; }
};

// Everything about the step that does not depend on the sample.
struct StepSetup {
    bool animated = false;
    bool last_leads = false;
    PreviousCells previous;
    int delta = 0;
    float trail_weight = 1; // how far the trailing end has left the old path
    float lead_weight = 1;  // how far the leading end has turned into the step
};

StepSetup step_setup(const Snake& snake, const SnakeAnimation& animation) {
    StepSetup setup;
    const float p = step_progress(animation);
    const int length = static_cast<int>(snake.cells.size());
    if (p == 0.0f || !std::isfinite(p) || length < 1)
        return setup;
    setup.animated = true;
    setup.last_leads = p < 0;
    const float amount = std::min(std::fabs(p), 1.0f);
    // The trailing end keeps to the cells it came from until late in the
    // step; the head turns towards its new cell early, as a snake steers.
    setup.trail_weight = std::pow(1.0f - amount, 2.5f);
    setup.lead_weight = 1.0f - std::pow(amount, 2.5f);
    PreviousCells& before = setup.previous;
    before.cells = &snake.cells;
    if (grows(animation)) {
        // The old snake is the current one without its new leading cell.
        before.length = length - 1;
        before.shift = setup.last_leads ? 0 : 1;
        setup.delta = setup.last_leads ? 0 : -1;
    } else {
        before.length = length;
        before.shift = setup.last_leads ? -1 : 1;
        before.trail_index = setup.last_leads ? 0 : length - 1;
        setup.delta = setup.last_leads ? 1 : -1;
        // A trailing cell that does not touch the trailing end (a caller that
        // has no better one) is replaced by the straight continuation.
        const Pos end = setup.last_leads ? snake.cells.front() : snake.cells.back();
        before.trailing = animation.trailing;
        if (!are_neighbours(before.trailing, end))
            before.trailing = cell_at(snake, setup.last_leads ? -1 : length);
    }
    if (before.length < 1)
        setup.animated = false;
    return setup;
}

// The knot of current index i during the step: the old and the new shape
// blended, the trailing and the leading half each with its own weight.
Knot animated_knot(const Snake& snake, const StepSetup& setup, int i) {
    const int length = static_cast<int>(snake.cells.size());
    const auto current = [&](int j) { return snake.cells[j]; };
    const Knot now = knot(current, length, i);
    if (!setup.animated)
        return now;
    const Knot before = knot(setup.previous, setup.previous.length, i + setup.delta);
    const float middle = 0.5f * static_cast<float>(length - 1);
    const bool lead_half = setup.last_leads ? i >= middle : i <= middle;
    const float w = lead_half ? setup.lead_weight : setup.trail_weight;
    return {lerp(before.point, now.point, w), lerp(before.handle, now.handle, w)};
}

// The end cells are shortened by 1.2 while their end test is positive.
float end_stretch(float sample, int samples, float reach) {
    if (reach <= 0)
        return 0;
    const float h = std::fmod(sample, static_cast<float>(kSamplesPerCell));
    const float u = h / kSamplesPerCell;
    if (sample >= samples - kSamplesPerCell)
        return (u / 1.2f - u) * reach;
    if (sample < kSamplesPerCell)
        return ((1 - u) / -1.2f + (1 - u)) * reach;
    return 0;
}

// A horizontal direction for the frame where the tangent itself is vertical.
Vec3 fallback_heading(const Vec3* points, int count) {
    for (int i = 0; i + 1 < count; ++i) {
        const Vec3 d = points[i + 1] - points[i];
        if (std::fabs(d.x) + std::fabs(d.y) > 1e-3f)
            return {d.x, d.y, 0};
    }
    return {1, 0, 0};
}

} // namespace

Pos cell_at(const Snake& snake, int i) {
    if (snake.cells.empty())
        fatal("cell_at on a snake without cells");
    return extrapolate([&](int j) { return snake.cells[j]; }, static_cast<int>(snake.cells.size()),
                       i);
}

float animation_shift(float sample, int length, const SnakeAnimation& animation) {
    const float p = step_progress(animation);
    if (!grows(animation))
        return p;
    if (p < 0) {
        // The last cell leads; everything up to the old neck stays put and
        // the cell behind the head unfolds out of it.
        const float start = static_cast<float>(kSamplesPerCell * length - 2 * kSamplesPerCell);
        if (sample < start)
            return 0;
        if (sample <= start + kSamplesPerCell)
            return std::max(p, -(sample - start) / kSamplesPerCell);
        return p;
    }
    if (p > 0) {
        if (sample < kSamplesPerCell)
            return p;
        if (sample < 2 * kSamplesPerCell)
            return std::min(p, 1 - (sample - kSamplesPerCell) / kSamplesPerCell);
        return 0;
    }
    return 0;
}

CurveFrame snake_curve(const Snake& snake, float sample, float reach,
                       const SnakeAnimation& animation) {
    const int length = static_cast<int>(snake.cells.size());
    if (length < 1)
        fatal("snake_curve on a snake without cells");
    const int samples = kSamplesPerCell * length;
    const float s = sample +
                    kSamplesPerCell * (end_stretch(sample, samples, reach) +
                                       animation_shift(sample, length, animation)) -
                    kCentreSample;
    const float u = s / kSamplesPerCell;
    const float whole = std::floor(u);
    const float t = u - whole;
    if (!(t >= 0.0f))
        fatal("assertion failed: t >= 0.0");
    if (!(t <= 1.0f))
        fatal("assertion failed: t <= 1.0");
    // Far outside the snake nothing changes any more; keep the index sane.
    const int g = static_cast<int>(std::clamp(whole, -1000.0f, 1000.0f + length));

    const StepSetup setup = step_setup(snake, animation);
    const Knot k0 = animated_knot(snake, setup, g);
    const Knot k1 = animated_knot(snake, setup, g + 1);
    const Vec3 p0 = k0.point, c1 = k0.point + k0.handle, c2 = k1.point - k1.handle, p1 = k1.point;

    const float v = 1 - t;
    const Vec3 centre =
        p0 * (v * v * v) + c1 * (3 * v * v * t) + c2 * (3 * v * t * t) + p1 * (t * t * t);
    const Vec3 d1 = (c1 - p0) * (3 * v * v) + (c2 - c1) * (6 * v * t) + (p1 - c2) * (3 * t * t);
    const Vec3 d2 = (c2 - c1 * 2 + p0) * (6 * v) + (p1 - c2 * 2 + c1) * (6 * t);

    Vec3 forward = d1;
    if (length_squared_below(forward, 1e-10f))
        forward = p1 - p0;
    if (length_squared_below(forward, 1e-10f))
        forward = {1, 0, 0};
    forward = normalize(forward);

    // N is horizontal and to the right of the heading, B completes the frame;
    // both follow the heading alone, so the body never twists along its length.
    Vec3 heading{forward.x, forward.y, 0};
    if (std::fabs(heading.x) + std::fabs(heading.y) < 1e-3f) {
        const Vec3 around[4] = {k0.point - k0.handle, p0, p1, p1 + k1.handle};
        heading = fallback_heading(around, 4);
    }
    Vec3 side = normalize(cross(heading, {0, 0, 1}));
    Vec3 up = cross(side, forward);

    const float planar = std::sqrt(d1.x * d1.x + d1.y * d1.y);
    if (planar > 1e-3f) {
        const float curvature = (d1.x * d2.y - d1.y * d2.x) / (planar * planar * planar);
        const float lean = std::clamp(kLeanPerCurvature * curvature, -kMaxLean, kMaxLean);
        const float c = std::cos(lean), sn = std::sin(lean);
        // A left turn (positive curvature) has its inside at -N.
        const Vec3 leaned_up = up * c - side * sn;
        side = side * c + up * sn;
        up = leaned_up;
    }
    return {centre, side, up, forward};
}

} // namespace coilwend
