#pragma once
// The deterministic random sequence of one wall cell, so that a level's
// scenery looks the same on every build.

#include "game/geometry.hpp"
#include "game/level_play.hpp"

#include <cstdint>

namespace coilwend {

class CellRandom {
  public:
    // Seeded with 2(x + 1) + 3(y + 1), the coordinates taken as signed values.
    explicit CellRandom(Pos cell)
        : state_(static_cast<std::uint64_t>(2 * (std::int64_t{cell.x} + 1) +
                                            3 * (std::int64_t{cell.y} + 1))) {}

    // The next xorshift64* output as a float in [0, 1).
    float next() {
        const std::uint64_t output = xorshift64star(state_);
        // 2^-64; the conversion may round up to 1.0, which callers never see
        // because values that close to 1 are pulled back below it.
        const float value = static_cast<float>(output) * 0x1p-64f;
        return value < 1.0f ? value : 0x1.fffffep-1f;
    }

    // A value in [-amount, amount): twice a random value times amount, minus amount.
    float jitter(float amount) { return 2 * next() * amount - amount; }

    // A value in [low, high).
    float between(float low, float high) { return low + next() * (high - low); }

  private:
    std::uint64_t state_;
};

} // namespace coilwend
