#include "snake_rendering/snake_curve.hpp"

#include "game/log.hpp"

#include <algorithm>
#include <cmath>

// Sections: control points and handles, the cells before a step, the
// Bézier segment, the ring frame.

namespace coilwend {
namespace {

// Rings are sampled three samples early, so that sample 6i + 3 (not 6i) lies
// on the centre of cell i: the body then covers its cells evenly. Sampled
// from the centres, it sits half a cell towards the head, the snout in the
// next cell (over a wall or off the board) and the tail tip short of its own.
constexpr float kCentreSample = 3.0f;

constexpr float kStraightHandle = 0.33f; // thirds: an even pace on straight runs
constexpr float kTurnHandle = 0.5523f;   // a circle-like arc through a corner cell
constexpr float kOuterPull = 0.09f;      // share of the outer difference an S or U gives up
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
bool same_vector(Vec3 a, Vec3 b) {
    return same_place(a, b) && std::fabs(a.z - b.z) < 1e-4f;
}

// The inner control point of a segment end sits along the central difference
// of its knot. A corner gets a circle-like handle; where the differences on
// either side of the segment disagree (an S-bend or a U-turn), the handle
// gives up a little of the outer difference so the two bends do not bulge.
Vec3 handle(Vec3 prev, Vec3 here, Vec3 next, bool at_end, Vec3 outer, bool disagree) {
    const Vec3 central = (next - prev) * 0.5f;
    if (at_end || same_place(prev, here) || same_place(here, next) ||
        same_place(here - prev, next - here))
        return central * kStraightHandle;
    return disagree ? central * kTurnHandle - outer * kOuterPull : central * kTurnHandle;
}

// The snake as it lay before the step, in its own indices: after a plain
// step the trailing cell it gave up and the cells it kept, after a growing
// step the current cells without the new leading one. Current index i was
// index i + offset then.
struct CellsBefore {
    const std::vector<Pos>* cells = nullptr;
    int length = 0;
    int offset = 0;
    bool trailing_moved = false;
    Pos trailing;
    bool last_leads = false;
    Pos operator()(int j) const {
        if (trailing_moved && j == (last_leads ? 0 : length - 1))
            return trailing;
        return (*cells)[j - offset];
    }
};

// The control points of one sample. The points beyond the trailing end of a
// plain step are blended from where they lay before the step to their place
// now with (1 - |d|)^2.5, so the tail leaves the cell it gave up along the
// old path. Left alone, the leading end would turn into its new cell on the
// step's first frame, a visible snap of the head; so the new leading cell and
// the points beyond it are blended the same way from the old straight
// continuation, with 1 - |d|^2.5: the head starts as it lay and turns early,
// as a snake steers, without sliding past the corner first.
struct ControlPoints {
    const Snake& snake;
    int length = 0;
    bool blend = false;
    CellsBefore before;
    float trail_weight = 1; // how far the points beyond the trailing end have moved on
    float lead_weight = 1;  // how far the leading end has turned into its new cell

    Vec3 operator()(int i) const {
        const auto current = [&](int j) { return snake.cells[j]; };
        const Vec3 now = control_point(current, length, i);
        if (!blend)
            return now;
        const bool last_leads = before.last_leads;
        const bool beyond_trail = before.trailing_moved && (last_leads ? i < 0 : i >= length);
        const bool at_lead = last_leads ? i >= length - 1 : i <= 0;
        if (!beyond_trail && !at_lead)
            return now;
        const Vec3 then = control_point(before, before.length, i + before.offset);
        return lerp(then, now, beyond_trail ? trail_weight : lead_weight);
    }
};

ControlPoints control_points(const Snake& snake, float shift, const SnakeAnimation& animation) {
    const int length = static_cast<int>(snake.cells.size());
    const float p = step_progress(animation);
    ControlPoints points{snake, length, false, {}, 1, 1};
    const bool last_leads = p < 0;
    CellsBefore& before = points.before;
    before.cells = &snake.cells;
    before.last_leads = last_leads;
    if (grows(animation)) {
        // The trailing end stayed; only the new leading cell is new.
        before.length = length - 1;
        before.offset = last_leads ? 0 : -1;
    } else {
        before.length = length;
        before.offset = last_leads ? 1 : -1;
        before.trailing_moved = true;
        // A trailing cell that does not touch the trailing end (a caller that
        // has no better one) is replaced by the straight continuation.
        const Pos end = last_leads ? snake.cells.front() : snake.cells.back();
        before.trailing = animation.trailing;
        if (!are_neighbours(before.trailing, end))
            before.trailing = cell_at(snake, last_leads ? -1 : length);
    }
    points.blend = p != 0.0f && before.length >= 1;
    const float amount = std::min(std::fabs(shift), 1.0f);
    points.trail_weight = std::pow(1.0f - amount, 2.5f);
    points.lead_weight = 1.0f - std::pow(amount, 2.5f);
    return points;
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
    const float shift = animation_shift(sample, length, animation);
    const float s =
        sample + kSamplesPerCell * (end_stretch(sample, samples, reach) + shift) - kCentreSample;
    const float u = s / kSamplesPerCell;
    const float whole = std::floor(u);
    const float t = u - whole;
    if (!(t >= 0.0f))
        fatal("assertion failed: t >= 0.0");
    if (!(t <= 1.0f))
        fatal("assertion failed: t <= 1.0");
    // Far outside the snake nothing changes any more; keep the index sane.
    const int g = static_cast<int>(std::clamp(whole, -1000.0f, 1000.0f + length));

    const ControlPoints points = control_points(snake, shift, animation);
    const Vec3 before = points(g - 1), p0 = points(g), p1 = points(g + 1), after = points(g + 2);
    const bool disagree = !same_vector(p0 - before, after - p1);
    const Vec3 c1 = p0 + handle(before, p0, p1, g <= 0 || g >= length - 1, p0 - before, disagree);
    const Vec3 c2 =
        p1 - handle(p0, p1, after, g + 1 <= 0 || g + 1 >= length - 1, after - p1, disagree);

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
        const Vec3 around[4] = {before, p0, p1, after};
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
