// The main loop's pass clock: whatever the frames cost, passes keep to 60 a
// second of wall-clock down to 15 drawn frames a second, never more than four
// run before one frame, and a fast machine runs exactly one per frame.

#include "game/pass_clock.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

using namespace coilwend;

namespace {

struct LoopRun {
    std::uint64_t passes = 0;
    std::uint64_t frames = 0;
    std::uint32_t most_in_a_frame = 0;
};

// Simulates the loop for `seconds`: each frame costs `frame_ms` after its
// passes, then the loop waits as the clock says.
LoopRun simulate(std::uint64_t frame_ms, std::uint64_t seconds, std::uint64_t start = 5000) {
    PassClock clock(start);
    LoopRun run;
    std::uint64_t now = start;
    while (now < start + seconds * 1000) {
        const std::uint32_t due = clock.passes_due(now);
        if (due > 0) {
            clock.ran(due);
            run.passes += due;
            run.most_in_a_frame = std::max(run.most_in_a_frame, due);
            ++run.frames;
            now += frame_ms;
        }
        now += clock.wait_ms(now);
        if (due == 0 && clock.wait_ms(now) != 0)
            ADD_FAILURE() << "the wait did not reach the next pass";
    }
    return run;
}

} // namespace

TEST(PassClock, GivenAnyFrameCostDownTo15Fps_ThenPassesKeepToWallClock) {
    for (const std::uint64_t frame_ms : {0, 1, 5, 15, 16, 17, 25, 33, 40, 50, 66}) {
        const LoopRun run = simulate(frame_ms, 20);
        // 60 a second, within a frame's worth either side.
        EXPECT_NEAR(double(run.passes), 1200.0, 5.0) << frame_ms << " ms frames";
        EXPECT_LE(run.most_in_a_frame, PassClock::kMostPassesPerFrame) << frame_ms;
        if (frame_ms <= 16) {
            EXPECT_EQ(run.most_in_a_frame, 1u) << "a machine that keeps up draws every pass";
        }
    }
}

TEST(PassClock, GivenFramesSlowerThan15Fps_ThenFourPassesEachAndTheDebtIsDropped) {
    const LoopRun run = simulate(100, 10);
    EXPECT_EQ(run.passes, 1 + (run.frames - 1) * 4) << "one pass was due at the start";
    EXPECT_LT(run.passes, 600u);
    // Back to speed at once: no burst of old passes after a stall.
    PassClock clock(0);
    EXPECT_EQ(clock.passes_due(0), 1u);
    clock.ran(1);
    EXPECT_EQ(clock.passes_due(2000), 4u);
    clock.ran(4);
    EXPECT_EQ(clock.passes_due(2000), 0u);
    EXPECT_EQ(clock.wait_ms(2000), 16u);
    EXPECT_EQ(clock.passes_due(2016), 1u);
}

TEST(PassClock, GivenFewerPassesRunThanDue_ThenTheRestStayDue) {
    PassClock clock(1000);
    ASSERT_EQ(clock.passes_due(1040), 3u); // passes at 1000, 1016 and 1033
    clock.ran(1);
    EXPECT_EQ(clock.passes_due(1040), 2u);
    EXPECT_EQ(clock.wait_ms(1040), 0u);
    clock.ran(2);
    EXPECT_EQ(clock.wait_ms(1040), 10u);
    // A restart owes nothing from before it.
    clock.restart(9000);
    EXPECT_EQ(clock.passes_due(9000), 1u);
}

TEST(FrameDue, GivenOnlyIdleMotion_ThenEverySecondPassIsDrawnAndAnythingElseAtOnce) {
    std::uint32_t drawn = 0, since = 0;
    for (int pass = 0; pass < 60; ++pass) {
        ++since;
        if (coilwend::frame_due(coilwend::PictureChange::Idle, since)) {
            ++drawn;
            since = 0;
        }
    }
    EXPECT_EQ(drawn, 30u) << "30 frames a second";
    EXPECT_TRUE(coilwend::frame_due(coilwend::PictureChange::Moving, 1));
    EXPECT_TRUE(coilwend::frame_due(coilwend::PictureChange::Idle, 4))
        << "a slow machine draws every frame";
    EXPECT_FALSE(coilwend::frame_due(coilwend::PictureChange::None, 100));
    EXPECT_FALSE(
        coilwend::frame_due(coilwend::PictureChange::Idle, 2, coilwend::kPassesPerVeiledIdleFrame))
        << "under the menu, every third pass";
    EXPECT_TRUE(
        coilwend::frame_due(coilwend::PictureChange::Idle, 3, coilwend::kPassesPerVeiledIdleFrame));
}
