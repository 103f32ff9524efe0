#include "game/pass_clock.hpp"

namespace coilwend {

std::uint32_t PassClock::passes_due(std::uint64_t now_ms) {
    if (now_ms < due_ms(passes_run_))
        return 0;
    // Pass n is due once floor(n × 1000 / 60) ≤ t, that is for every
    // n < (t + 1) × 60 / 1000.
    const std::uint64_t t = now_ms - origin_ms_;
    const std::uint64_t due = ((t + 1) * kPassesPerSecond + 999) / 1000;
    const std::uint64_t owed = due - passes_run_;
    if (owed <= kMostPassesPerFrame)
        return static_cast<std::uint32_t>(owed);
    // Too far behind: the newest passes are due, the older ones are dropped.
    // (owed > 4 means now is at least four intervals past the origin.)
    passes_run_ = 0;
    origin_ms_ = now_ms - (kMostPassesPerFrame - 1) * 1000 / kPassesPerSecond;
    return kMostPassesPerFrame;
}

std::uint64_t PassClock::wait_ms(std::uint64_t now_ms) const {
    const std::uint64_t next = due_ms(passes_run_);
    return next > now_ms ? next - now_ms : 0;
}

} // namespace coilwend
