// Where the interface changed between frames: whatever differs must fall
// inside what is redrawn, in GL's rows from the bottom, or the kept picture
// would show a stale button or caption.

#include "ui/ui_damage.hpp"

#include <gtest/gtest.h>

#include <vector>

namespace coilwend {
namespace {

// A quad of six {x, y, r, g} vertices from (x0, y0) to (x1, y1), rows from the top.
void add_quad(std::vector<float>& out, float x0, float y0, float x1, float y1, float shade = 1) {
    for (const auto& [x, y] : {std::pair{x0, y0}, {x0, y1}, {x1, y1}, {x0, y0}, {x1, y1}, {x1, y0}})
        out.insert(out.end(), {x, y, shade, shade});
}

PixelRect frame(UiDamage& damage, const std::vector<float>& pixels,
                const std::vector<float>& clip = {}) {
    damage.begin(800, 600);
    damage.layer(clip, 4, UiSpace::Clip);
    damage.layer(pixels, 4, UiSpace::Pixels);
    return damage.end();
}

bool holds(const PixelRect& outer, const PixelRect& inner) {
    return united(outer, inner) == outer;
}

TEST(UiDamage, GivenTheSameInterface_ThenNothingIsRedrawnAfterTheFirstFrame) {
    UiDamage damage;
    std::vector<float> caption;
    add_quad(caption, 10, 20, 110, 60);
    EXPECT_EQ(frame(damage, caption), (PixelRect{0, 0, 800, 600})) << "a new size draws whole";
    EXPECT_TRUE(frame(damage, caption).empty());
}

TEST(UiDamage, GivenAButtonChangingShade_ThenItsPixelsCountFromTheBottom) {
    UiDamage damage;
    std::vector<float> before, after;
    add_quad(before, 10, 20, 110, 60);
    add_quad(before, 300, 500, 340, 540);
    add_quad(after, 10, 20, 110, 60);
    add_quad(after, 300, 500, 340, 540, 0.5f); // hovered
    frame(damage, before);
    const PixelRect changed = frame(damage, after);
    EXPECT_TRUE(holds(changed, PixelRect{300, 600 - 540, 340, 600 - 500}));
    EXPECT_FALSE(holds(changed, PixelRect{10, 600 - 60, 110, 600 - 20})) << "the caption stayed";
}

TEST(UiDamage, GivenQuadsMovingOrLeaving_ThenOldAndNewPlacesAreRedrawn) {
    UiDamage damage;
    std::vector<float> before, after, panel;
    add_quad(before, 10, 20, 110, 60);
    add_quad(before, 200, 20, 260, 60);
    add_quad(after, 30, 20, 130, 60); // the text grew and moved
    add_quad(panel, -0.5f, 0.5f, 0.5f, -0.5f);
    frame(damage, before, panel);
    const PixelRect changed = frame(damage, after);
    EXPECT_TRUE(holds(changed, PixelRect{10, 540, 130, 580}));
    EXPECT_TRUE(holds(changed, PixelRect{200, 540, 260, 580})) << "a quad that left";
    EXPECT_TRUE(holds(changed, PixelRect{200, 150, 600, 450})) << "the panel that closed";
}

} // namespace
} // namespace coilwend
