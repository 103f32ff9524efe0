#include "snake_rendering/snake_mesh.hpp"

#include "snake_rendering/snake_curve.hpp"
#include "snake_rendering/snake_profile.hpp"
#include "snake_rendering/snake_skin.hpp"

#include <algorithm>
#include <array>
#include <cmath>

// Sections: scratch and vertex output, ring vertices, jaws, scales, eyes,
// ribbed tail tip, end caps, mouth band, build_snake.

namespace coilwend {
namespace {

constexpr int kRing = 12; // vertices per ring
constexpr float kPi = 3.14159265358979f;
constexpr float kFlatten = 0.7f;       // height of the cross-section relative to its width
constexpr float kNormalSpread = 0.75f; // pushes a facet's normals apart so it reads as a facet
constexpr float kJawAngle = 1.1f;      // radians the upper jaw lifts when fully open
constexpr Rgb kMouthColour{214, 166, 171};

using Bary = std::array<std::uint8_t, 3>;
constexpr Bary kNoEdges{255, 255, 255};
// The second triangle of a quad darkens two of its edges and one corner: the
// outline of one scale.
constexpr Bary kScaleCorner{0, 0, 255};
constexpr Bary kScaleLead{255, 0, 0};
constexpr Bary kScaleSide{0, 255, 0};

struct Sample {
    CurveFrame frame;
    float radius = 0;
    float opening = 0; // e: how far the upper jaw over this sample is lifted
};

struct RingVertex {
    Vec3 position;
    Vec3 normal;
};

// Per-thread scratch, resized but never freed, so steady frames do not allocate.
struct Scratch {
    std::vector<Sample> samples;
    std::vector<RingVertex> rings; // kRing per sample
};

Scratch& scratch() {
    thread_local Scratch instance;
    return instance;
}

void set(FacetVertex& v, Vec3 p, Vec3 n, Rgb colour, Bary bary) {
    v.position[0] = p.x, v.position[1] = p.y, v.position[2] = p.z;
    v.normal[0] = n.x, v.normal[1] = n.y, v.normal[2] = n.z;
    v.color = colour;
    v.bary[0] = bary[0], v.bary[1] = bary[1], v.bary[2] = bary[2];
}

// Room for one more triangle at the end of out.
FacetVertex* next_triangle(std::vector<FacetVertex>& out) {
    const std::size_t at = out.size();
    out.resize(at + 3);
    return &out[at];
}

// normalize, inlined: this runs for every vertex of every animated frame.
inline Vec3 unit(Vec3 v) {
    const float squared = v.x * v.x + v.y * v.y + v.z * v.z;
    return squared > 0 ? v * (1 / std::sqrt(squared)) : v;
}

void smooth_triangle(std::vector<FacetVertex>& out, const RingVertex& a, const RingVertex& b,
                     const RingVertex& c, Rgb colour, Bary ba = kNoEdges, Bary bb = kNoEdges,
                     Bary bc = kNoEdges) {
    const Vec3 mean = (a.normal + b.normal + c.normal) * (1.0f / 3);
    const auto spread = [&](Vec3 n) { return unit(n + (n - mean) * kNormalSpread); };
    FacetVertex* v = next_triangle(out);
    set(v[0], a.position, spread(a.normal), colour, ba);
    set(v[1], b.position, spread(b.normal), colour, bb);
    set(v[2], c.position, spread(c.normal), colour, bc);
}

// The scale pattern: the first triangle of a quad plain, the second outlined.
void scale_triangles(std::vector<FacetVertex>& out, const RingVertex& A, const RingVertex& B,
                     const RingVertex& C, const RingVertex& D, Rgb first, Rgb second) {
    smooth_triangle(out, A, B, D, first);
    smooth_triangle(out, D, B, C, second, kScaleCorner, kScaleLead, kScaleSide);
}

void flat_triangle(std::vector<FacetVertex>& out, Vec3 a, Vec3 b, Vec3 c, Rgb colour) {
    // A collapsed triangle covers no pixels but still gets a usable normal.
    const Vec3 face = cross(b - a, c - a);
    const Vec3 n = dot(face, face) > 1e-20f ? normalize(face) : Vec3{0, 0, 1};
    FacetVertex* v = next_triangle(out);
    set(v[0], a, n, colour, kNoEdges);
    set(v[1], b, n, colour, kNoEdges);
    set(v[2], c, n, colour, kNoEdges);
}

Rgb mix(Rgb a, Rgb b, float w) {
    const auto channel = [w](std::uint8_t x, std::uint8_t y) {
        return static_cast<std::uint8_t>(std::lround(x + (y - x) * w));
    };
    return {channel(a.r, b.r), channel(a.g, b.g), channel(a.b, b.b)};
}

// --- Ring vertices ---------------------------------------------------------

// Vertex k of the ring at sample a sits at angle k*pi/6 + a*pi/12: each ring
// is turned half a step against its neighbour, so the quads zig-zag.
float ring_angle(float sample, int k) {
    return static_cast<float>(k) * kPi / 6 + sample * kPi / 12;
}

// The cross-section is flattened to 0.7 of its width and lifted by 0.7 r so
// that the body rests on the floor.
RingVertex ring_vertex(const Sample& s, float sine, float cosine, float push = 0) {
    const float r = s.radius;
    const Vec3 offset = s.frame.up * (kFlatten * r * sine) + s.frame.side * (r * cosine);
    const Vec3 normal = unit(offset);
    return {s.frame.centre + offset + s.frame.up * (kFlatten * r) + normal * push, normal};
}

RingVertex ring_vertex_at(const Sample& s, float theta, float push = 0) {
    return ring_vertex(s, std::sin(theta), std::cos(theta), push);
}

// Rings at whole samples have their vertices at multiples of pi/12.
struct AngleTable {
    std::array<float, 24> sine{}, cosine{};
    AngleTable() {
        for (int i = 0; i < 24; ++i) {
            sine[i] = std::sin(static_cast<float>(i) * kPi / 12);
            cosine[i] = std::cos(static_cast<float>(i) * kPi / 12);
        }
    }
};
const AngleTable kAngles;

Vec3 ring_centre(const Sample& s) {
    return s.frame.centre + s.frame.up * (kFlatten * s.radius);
}

// --- Jaws ------------------------------------------------------------------

// A head reaching for food opens its mouth: the upper half of the head turns
// up about a hinge at the back of the head, uncovering the mouth band.
// Stretching the end rings upwards instead only swells the head as the board
// camera, looking down on it, sees it, and hides the mouth band.
struct Jaw {
    Vec3 pivot;
    Vec3 axis; // unit; turning about it lifts the snout
    float angle = 0;

    Vec3 turn(Vec3 v, float c, float s) const {
        return v * c + cross(axis, v) * s + axis * (dot(axis, v) * (1 - c));
    }
    RingVertex lift(const RingVertex& v, float opening) const {
        const float c = std::cos(angle * opening), s = std::sin(angle * opening);
        return {pivot + turn(v.position - pivot, c, s), turn(v.normal, c, s)};
    }
};

// direction is +1 for the head (jaw ahead of the hinge) and -1 for the tail.
Jaw jaw_at(const Sample& hinge, int direction) {
    return {ring_centre(hinge), hinge.frame.side * static_cast<float>(direction), kJawAngle};
}

bool upper_half(float sine) {
    return sine > 0.05f;
}

struct Builder {
    std::vector<FacetVertex>& out;
    std::uint8_t skin;
    int n;
    HeadCount heads;
    const std::vector<Sample>& samples;
    std::vector<RingVertex>& rings;
    Jaw head_jaw, tail_jaw;

    RingVertex& ring(int a, int k) { return rings[a * kRing + (k % kRing)]; }

    const Jaw& jaw_for(int a) const { return a >= n - 4 ? head_jaw : tail_jaw; }

    void make_ring(int a) {
        const Sample& s = samples[a];
        for (int k = 0; k < kRing; ++k) {
            const int step = (2 * k + a) % 24; // the ring angle in twelfths of pi
            RingVertex v = ring_vertex(s, kAngles.sine[step], kAngles.cosine[step]);
            if (s.opening > 0 && upper_half(kAngles.sine[step]))
                v = jaw_for(a).lift(v, s.opening);
            ring(a, k) = v;
        }
    }

    Rgb colour(int a, int k, QuadHalf half) const {
        return skin_colour(skin, a, k, half, n, heads);
    }

    // --- Scales ------------------------------------------------------------

    void scale_quad(int a, int k) {
        scale_triangles(out, ring(a, k), ring(a + 1, k), ring(a + 1, k + 1), ring(a, k + 1),
                        colour(a, k, QuadHalf::First), colour(a, k, QuadHalf::Second));
    }

    // --- Eyes --------------------------------------------------------------

    static int eye_offset(int a, int k) { return (k + a / 2) % kRing; }
    static bool eye_quad(int a, int k) { return eye_offset(a, k) == 1 || eye_offset(a, k) == 4; }

    // The eye fills its quad: a pupil band between cut points at 0.4 and 0.6
    // of two opposite sides, running corner to corner, with a facet of the eye
    // colour on either side. The two eyes run along opposite diagonals, so
    // they mirror each other across the top of the head.
    void eye(int a, int k) {
        const EyeColours colours = eye_colours(skin);
        const Vec3 A = ring(a, k).position, B = ring(a + 1, k).position,
                   C = ring(a + 1, k + 1).position, D = ring(a, k + 1).position;
        const auto along = [](Vec3 p, Vec3 q, float w) { return p + (q - p) * w; };
        if (eye_offset(a, k) == 1) {
            const Vec3 X = along(A, B, 0.4f), Y = along(D, C, 0.6f);
            flat_triangle(out, A, Y, D, colours.outer);
            flat_triangle(out, X, B, C, colours.outer);
            flat_triangle(out, A, X, C, colours.pupil);
            flat_triangle(out, A, C, Y, colours.pupil);
        } else {
            const Vec3 X = along(A, D, 0.6f), Y = along(B, C, 0.4f);
            flat_triangle(out, A, B, X, colours.outer);
            flat_triangle(out, Y, C, D, colours.outer);
            flat_triangle(out, X, B, Y, colours.pupil);
            flat_triangle(out, X, Y, D, colours.pupil);
        }
    }

    void ring_pair(int a, bool with_eyes) {
        for (int k = 0; k < kRing; ++k) {
            if (with_eyes && eye_quad(a, k))
                eye(a, k);
            else
                scale_quad(a, k);
        }
    }

    // --- Ribbed tail tip ---------------------------------------------------

    // Skin 2 ends in a rattle: the tail tip from sample 2 to sample 5 is built
    // from six sub-rings per sample, every third one pushed out into a rib.
    void rattle(const Snake& snake, const SnakeAnimation& animation) {
        constexpr int kSteps = 3 * kSamplesPerCell;
        constexpr Rgb kLight{204, 196, 183}, kDark{154, 142, 122};
        std::array<std::array<RingVertex, kRing>, kSteps + 1> sub;
        for (int i = 0; i < kSteps; ++i) {
            const float a = 2 + static_cast<float>(i) / kSamplesPerCell;
            const int below = static_cast<int>(a);
            const float w = a - static_cast<float>(below);
            Sample s = samples[below];
            s.frame = snake_curve(snake, a, 0, animation);
            s.radius = samples[below].radius * (1 - w) + samples[below + 1].radius * w;
            const float rib = 0.04f * (1 + 0.2f * (1 - static_cast<float>(i) / kSteps));
            // The last sub-step meets the body's ring unchanged.
            const float push = i == kSteps - 1 ? 0.0f : i % 3 == 0 ? rib : rib / 2;
            for (int k = 0; k < kRing; ++k)
                sub[i][k] = ring_vertex_at(s, ring_angle(a, k), push);
        }
        for (int k = 0; k < kRing; ++k)
            sub[kSteps][k] = ring(5, k);
        for (int i = 0; i < kSteps; ++i) {
            const float a = 2 + static_cast<float>(i) / kSamplesPerCell;
            const Rgb c = mix(kLight, kDark, std::clamp((2 * a - 4) / 5, 0.0f, 1.0f));
            for (int k = 0; k < kRing; ++k) {
                const int next = (k + 1) % kRing;
                smooth_triangle(out, sub[i][k], sub[i + 1][k], sub[i][next], c);
                smooth_triangle(out, sub[i][next], sub[i + 1][k], sub[i + 1][next], c);
            }
        }
        cap(sub[0].data(), samples[2], -1, kLight, nullptr);
    }

    // --- End caps ----------------------------------------------------------

    // Closes an end ring with a rounded cap: a ring pulled in and forward,
    // then a point. direction is +1 at the head and -1 at the tail. With a
    // jaw, the upper half of the cap lifts with it and the point splits in two,
    // leaving the mouth open at the front.
    void cap(const RingVertex* end, const Sample& at, int direction, Rgb skin_colour,
             const Jaw* jaw) {
        constexpr float kBend = 0.9f; // radians round the cap for the middle ring
        const Vec3 forward = at.frame.forward * static_cast<float>(direction);
        const Vec3 centre = ring_centre(at);
        const float length = 0.9f * at.radius;
        const float c = std::cos(kBend), s = std::sin(kBend);
        const float a = static_cast<float>(direction > 0 ? n - 2 : 2);
        std::array<RingVertex, kRing> rim, middle;
        std::array<bool, kRing> upper;
        for (int k = 0; k < kRing; ++k) {
            // The rim is rebuilt closed; the jaw then lifts both rings alike.
            const float theta = ring_angle(a, k);
            upper[k] = upper_half(std::sin(theta));
            rim[k] = jaw ? ring_vertex_at(at, theta) : end[k];
            middle[k] = {centre + (rim[k].position - centre) * c + forward * (length * s),
                         normalize(rim[k].normal * c + forward * s)};
            if (jaw && upper[k] && at.opening > 0) {
                rim[k] = jaw->lift(rim[k], at.opening);
                middle[k] = jaw->lift(middle[k], at.opening);
            }
        }
        const RingVertex lower_tip{centre + forward * length, forward};
        const RingVertex upper_tip = jaw ? jaw->lift(lower_tip, at.opening) : lower_tip;
        for (int k = 0; k < kRing; ++k) {
            const int next = (k + 1) % kRing;
            const RingVertex& tip = upper[k] && upper[next] ? upper_tip : lower_tip;
            if (direction > 0) {
                scale_triangles(out, rim[k], middle[k], middle[next], rim[next], skin_colour,
                                skin_colour);
                smooth_triangle(out, middle[k], tip, middle[next], skin_colour);
            } else {
                scale_triangles(out, middle[k], rim[k], rim[next], middle[next], skin_colour,
                                skin_colour);
                smooth_triangle(out, tip, middle[k], middle[next], skin_colour);
            }
        }
    }

    // --- Mouth band --------------------------------------------------------

    // The floor of an open mouth: a pink strip just above the floor through
    // the samples first..last, as wide as the body, closed by a point where
    // the snout ends. The lifted upper jaw uncovers it.
    void mouth_band(int first, int last, int direction) {
        const auto point = [](const Sample& s, float across) {
            return s.frame.centre + s.frame.up * 0.1f + s.frame.side * (across * s.radius);
        };
        for (int a = first; a < last; ++a) {
            const Sample &s0 = samples[a], &s1 = samples[a + 1];
            const Vec3 r0 = point(s0, 1), l0 = point(s0, -1), r1 = point(s1, 1), l1 = point(s1, -1);
            flat_triangle(out, r0, r1, l1, kMouthColour);
            flat_triangle(out, r0, l1, l0, kMouthColour);
        }
        const Sample& end = samples[direction > 0 ? last : first];
        const Vec3 tip = point(end, 0) + end.frame.forward * (0.9f * end.radius * direction);
        if (direction > 0)
            flat_triangle(out, point(end, 1), tip, point(end, -1), kMouthColour);
        else
            flat_triangle(out, point(end, 1), point(end, -1), tip, kMouthColour);
    }
};

// A growing step unfolds the cell behind the leading end out of one point, so
// until they move apart several of its rings lie at one place. With radii of
// their own they would stack into a flat collar across the body; they take
// the radius of the stacked ring nearest the leading end instead (the neck the
// snake had before the step), so the body tapers into the unfolding cell.
void even_stacked_rings(std::vector<Sample>& samples, int length, const SnakeAnimation& animation) {
    const float p = step_progress(animation);
    if (!grows(animation) || p == 0.0f)
        return;
    const int n = static_cast<int>(samples.size());
    const auto place = [&](int a) {
        const float sample = static_cast<float>(a);
        return sample + kSamplesPerCell * animation_shift(sample, length, animation);
    };
    for (int first = 0; first < n;) {
        int last = first;
        while (last + 1 < n && std::fabs(place(last + 1) - place(first)) < 1e-4f)
            ++last;
        const float radius = samples[p < 0 ? last : first].radius;
        for (int a = first; a <= last; ++a)
            samples[a].radius = radius;
        first = last + 1;
    }
}

} // namespace

void build_snake(const Snake& snake, std::size_t index, const Puzzle& puzzle,
                 const SnakeAnimation& animation, std::vector<FacetVertex>& out) {
    build_snake_with_skin(snake, snake_skin(puzzle, index, snake), puzzle, animation, out);
}

void build_snake_with_skin(const Snake& snake, std::uint8_t skin, const Puzzle& puzzle,
                           const SnakeAnimation& animation, std::vector<FacetVertex>& out) {
    const int length = static_cast<int>(snake.cells.size());
    if (length < 1)
        return;
    const int n = kSamplesPerCell * length;
    const HeadCount heads = snake.two_headed ? HeadCount::Two : HeadCount::One;
    const float p = step_progress(animation);
    const float head = head_reach(snake, puzzle, p);
    const float tail = tail_reach(snake, puzzle, p);

    Scratch& space = scratch();
    space.samples.resize(static_cast<std::size_t>(n));
    space.rings.resize(static_cast<std::size_t>(n) * kRing);
    for (int a = 0; a < n; ++a) {
        const float reach = a >= n - kSamplesPerCell ? head : a < kSamplesPerCell ? tail : 0.0f;
        Sample& s = space.samples[a];
        s.frame = snake_curve(snake, static_cast<float>(a), reach, animation);
        s.radius = radius_profile(a, n, heads) + bulge(snake, puzzle, a, p);
        // The jaw spans the head from behind the eyes to the snout; the rings
        // near the hinge turn less, so the top of the head does not fold.
        constexpr float kJawShare[3] = {0.35f, 0.75f, 1.0f};
        s.opening = a >= n - 4 ? head * kJawShare[std::min(a - (n - 4), 2)]
                    : a <= 4   ? tail * kJawShare[std::min(4 - a, 2)]
                               : 0.0f;
    }
    even_stacked_rings(space.samples, length, animation);

    Builder build{out,
                  skin,
                  n,
                  heads,
                  space.samples,
                  space.rings,
                  jaw_at(space.samples[std::max(n - 5, 0)], 1),
                  jaw_at(space.samples[std::min(5, n - 1)], -1)};
    for (int a = 2; a <= n - 2; ++a)
        build.make_ring(a);
    // Only a plain tail long enough to hold it gets the rattle.
    const bool rattle = skin == 2 && heads == HeadCount::One && n - 4 > 5;
    // The tail end of a two-headed snake is a second head the player steers;
    // without eyes (and, when it opens, the mouth band) it reads as a tail.
    for (int a = rattle ? 5 : 2; a <= n - 3; ++a)
        build.ring_pair(a, a == n - 4 || (heads == HeadCount::Two && a == 3));

    std::array<RingVertex, kRing> end;
    for (int k = 0; k < kRing; ++k)
        end[k] = build.ring(n - 2, k);
    build.cap(end.data(), space.samples[n - 2], 1, build.colour(n - 3, 0, QuadHalf::First),
              head > 0 ? &build.head_jaw : nullptr);
    if (rattle) {
        build.rattle(snake, animation);
    } else {
        for (int k = 0; k < kRing; ++k)
            end[k] = build.ring(2, k);
        build.cap(end.data(), space.samples[2], -1, build.colour(2, 0, QuadHalf::First),
                  tail > 0 ? &build.tail_jaw : nullptr);
    }
    if (head > 0)
        build.mouth_band(n - 5, n - 2, 1);
    if (tail > 0)
        build.mouth_band(2, 5, -1);
}

} // namespace coilwend
