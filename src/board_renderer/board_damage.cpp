#include "board_renderer/board_damage.hpp"

namespace coilwend {
namespace {

// Pixels and texels added around a region for rasterisation at its edges.
constexpr std::int32_t kEdgePixels = 2;
// Around a changed caster: the shadow filter's reach (a texel each way, far
// below this on any board) and rounding.
constexpr float kShadowMargin = 0.05f;

// The floor's opening at the exit: the funnel below it takes shadows too, and
// is seen only through this square.
WorldBox exit_opening(Pos exit) {
    WorldBox box;
    box.add(Vec3{float(exit.x) - 0.5f, float(exit.y) - 0.5f, 0.0f});
    box.add(Vec3{float(exit.x) + 0.5f, float(exit.y) + 0.5f, 0.0f});
    return box;
}

bool overlaps_in_plan(const WorldBox& a, const WorldBox& b) {
    return !a.empty() && !b.empty() && a.lo.x <= b.hi.x && b.lo.x <= a.hi.x && a.lo.y <= b.hi.y &&
           b.lo.y <= a.hi.y;
}

// The deepest the funnel reaches.
constexpr float kFunnelBottom = -5.0f;

} // namespace

BoardRegions BoardDamage::next(const BoardFrameGeometry& frame, Vec3 light_direction, bool whole) {
    WorldBox casters;
    if (frame.dynamic_rebuilt) {
        snakes_.note(frame.snakes, casters);
        pieces_.note(frame.pieces, casters);
    }
    WorldBox flat;
    overlay_.note(frame.overlay, flat);
    icons_.note(frame.icons, flat);
    const bool iris = frame.iris || had_iris_;
    had_iris_ = frame.iris;

    const PixelRect whole_screen{0, 0, std::int32_t(frame.drawable_width),
                                 std::int32_t(frame.drawable_height)};
    const PixelRect whole_shadow{0, 0, std::int32_t(frame.shadow_size),
                                 std::int32_t(frame.shadow_size)};
    if (whole)
        return {frame.dynamic_rebuilt ? whole_shadow : PixelRect{}, whole_screen, iris};

    casters = casters.grown(kShadowMargin);
    BoardRegions regions;
    regions.shadow =
        box_pixels(*frame.light, casters, frame.shadow_size, frame.shadow_size, kEdgePixels);
    if (iris)
        return {regions.shadow, whole_screen, true};
    const auto pixels = [&](const WorldBox& box) {
        return box_pixels(*frame.camera, box, frame.drawable_width, frame.drawable_height,
                          kEdgePixels);
    };
    regions.screen = united(pixels(with_shadow(casters, light_direction, 0.0f)), pixels(flat));
    // A shadow reaching down into the exit's funnel shows through its opening.
    const WorldBox opening = exit_opening(frame.exit);
    if (overlaps_in_plan(with_shadow(casters, light_direction, kFunnelBottom), opening))
        regions.screen = united(regions.screen, pixels(opening));
    return regions;
}

} // namespace coilwend
