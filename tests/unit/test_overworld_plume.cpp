// The plume over the overworld: how it fills up, when its particles turn and
// what colour they come out in.

#include "overworld_rendering/plume.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

float speed(const Particle& p) {
    return std::hypot(p.vx, p.vy);
}

TEST(OverworldPlume, GivenEightHundredFrames_ThenItHoldsTwoHundredAndStaysThere) {
    Plume plume;
    for (int i = 0; i < 3; ++i)
        plume.tick(PlumeColours::White);
    EXPECT_EQ(plume.size(), 0u) << "the first particle comes on the fourth frame";
    plume.tick(PlumeColours::White);
    ASSERT_EQ(plume.size(), 1u);
    EXPECT_EQ(plume.at(0).x, 90.5f);
    EXPECT_EQ(plume.at(0).y, 105.5f);

    for (int i = 4; i < 800; ++i)
        plume.tick(PlumeColours::White);
    EXPECT_EQ(plume.size(), 200u);
    const float oldest_alpha = plume.at(199).alpha;
    for (int i = 0; i < 400; ++i)
        plume.tick(PlumeColours::White);
    EXPECT_EQ(plume.size(), 200u);
    EXPECT_NEAR(plume.at(199).alpha, oldest_alpha, 1e-4f) << "the oldest keep leaving at the back";
    EXPECT_GT(plume.at(0).alpha, plume.at(199).alpha);
}

TEST(OverworldPlume, GivenAParticle_ThenItTurnsLeftExactlyOnceOnItsSeventiethTick) {
    Plume plume;
    for (int i = 0; i < 4; ++i)
        plume.tick(PlumeColours::White);
    // The first particle stays the oldest, at the back.
    auto first = [&]() -> const Particle& { return plume.at(plume.size() - 1); };
    const float vx = first().vx, vy = first().vy;
    EXPECT_NEAR(speed(first()), 0.007f, 1e-6f);
    EXPECT_GT(vx, 0) << "spawned heading right";

    for (int tick = 1; tick < 70; ++tick) {
        plume.tick(PlumeColours::White);
        ASSERT_EQ(first().vx, vx) << "tick " << tick;
        ASSERT_EQ(first().vy, vy);
    }
    plume.tick(PlumeColours::White);
    const float turned_x = first().vx, turned_y = first().vy;
    const float angle = std::atan2(turned_y, turned_x);
    EXPECT_GE(std::fabs(angle), 0.9f * std::numbers::pi_v<float> - 1e-4f) << "towards -x";
    EXPECT_GE(speed(first()), 0.001f - 1e-6f);
    EXPECT_LE(speed(first()), 0.005f + 1e-6f);
    for (int tick = 71; tick < 400; ++tick) {
        plume.tick(PlumeColours::White);
        ASSERT_EQ(first().vx, turned_x) << "tick " << tick;
        ASSERT_EQ(first().vy, turned_y);
    }
}

TEST(OverworldPlume, GivenTheFinalLevelWon_ThenNewParticlesComeInRandomColours) {
    Plume plume;
    for (int i = 0; i < 40; ++i)
        plume.tick(PlumeColours::White);
    for (std::size_t i = 0; i < plume.size(); ++i)
        EXPECT_EQ(plume.at(i).colour, (Rgb{240, 240, 240}));

    for (int i = 0; i < 400; ++i)
        plume.tick(PlumeColours::Random);
    int differing = 0;
    for (std::size_t i = 0; i < 100; ++i) {
        const Rgb c = plume.at(i).colour;
        for (const std::uint8_t channel : {c.r, c.g, c.b}) {
            EXPECT_GE(channel, 75);
            EXPECT_LE(channel, 254);
        }
        differing += c.r != c.g || c.g != c.b;
    }
    EXPECT_GT(differing, 90) << "coloured, not grey";
    EXPECT_EQ(plume.at(plume.size() - 1).colour, (Rgb{240, 240, 240})) << "the older stay white";
}

} // namespace
} // namespace coilwend
