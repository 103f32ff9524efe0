#pragma once
// When the main loop's logic passes are due. Everything that counts passes
// (transitions, move animations, held-key repeats, the title) assumes 60 of
// them per second of wall-clock; a slow frame makes the loop run the passes
// it missed before drawing again, up to a limit, so a machine that draws at
// 15 frames a second still plays everything at full speed.

#include <cstdint>

namespace coilwend {

class PassClock {
  public:
    static constexpr std::uint32_t kPassesPerSecond = 60;
    // Below 15 drawn frames a second the game slows down instead of skipping
    // ever more of what it shows.
    static constexpr std::uint32_t kMostPassesPerFrame = 4;

    // The first pass is due at `now_ms`.
    explicit PassClock(std::uint64_t now_ms) : origin_ms_(now_ms) {}

    // How many passes to run before the frame drawn at `now_ms` (0 while the
    // next pass is not due yet). Debt beyond the limit is forgotten.
    std::uint32_t passes_due(std::uint64_t now_ms);
    // Counts passes as run; a frame may run fewer than were due (the rest
    // stay due).
    void ran(std::uint32_t passes) { passes_run_ += passes; }
    // Milliseconds until the next pass is due; 0 when it is due already.
    std::uint64_t wait_ms(std::uint64_t now_ms) const;
    // Starts afresh at `now_ms`, for example after the window was minimised.
    void restart(std::uint64_t now_ms) { *this = PassClock(now_ms); }

  private:
    std::uint64_t due_ms(std::uint64_t pass) const {
        return origin_ms_ + pass * 1000 / kPassesPerSecond;
    }

    // Pass n is due at origin + n/60 s; counting from an origin keeps the
    // 1/60 s from drifting through rounding.
    std::uint64_t origin_ms_;
    std::uint64_t passes_run_ = 0;
};

// What changed since the last drawn frame, as far as pacing the drawing goes.
enum class PictureChange : std::uint8_t {
    None,   // the same picture: nothing is drawn or swapped
    Idle,   // only idle motion (the map's breathing cursor and drifting plume)
    Moving, // anything else: input, a transition, a moving snake, the view
};

// Idle motion is slow and small: every second pass (30 frames a second) draws
// it smoothly at half the cost; under the menu's veil, where it barely shows
// and the veil and panel are drawn again over it, every third. Everything
// else draws at every pass.
inline constexpr std::uint32_t kPassesPerIdleFrame = 2;
inline constexpr std::uint32_t kPassesPerVeiledIdleFrame = 3;

// Whether to draw after the passes run since the last drawn frame.
constexpr bool frame_due(PictureChange change, std::uint32_t passes_since_drawn,
                         std::uint32_t passes_per_idle_frame = kPassesPerIdleFrame) {
    switch (change) {
    case PictureChange::None:
        return false;
    case PictureChange::Idle:
        return passes_since_drawn >= passes_per_idle_frame;
    case PictureChange::Moving:
        return true;
    }
    return true;
}

} // namespace coilwend
