#pragma once
// Cells and unit steps on a board. Coordinates are signed bytes and all
// arithmetic on them wraps at 8 bits, so stepping off the board never traps.

#include <cstdint>

namespace coilwend {

struct Pos {
    std::int8_t x = 0;
    std::int8_t y = 0;
    friend bool operator==(const Pos&, const Pos&) = default;
};

struct Direction {
    std::int8_t dx = 0;
    std::int8_t dy = 0;
    friend bool operator==(const Direction&, const Direction&) = default;
};

inline std::int8_t wrap8(int value) {
    return static_cast<std::int8_t>(static_cast<std::uint8_t>(value));
}

inline Pos step(Pos p, Direction d) {
    return {wrap8(p.x + d.dx), wrap8(p.y + d.dy)};
}
inline Direction difference(Pos to, Pos from) {
    return {wrap8(to.x - from.x), wrap8(to.y - from.y)};
}

// |dx| + |dy| in wrapping byte arithmetic, as the move rules measure it.
inline std::int8_t manhattan8(Direction d) {
    auto abs8 = [](std::int8_t v) { return wrap8(v < 0 ? -static_cast<int>(v) : v); };
    return wrap8(abs8(d.dx) + abs8(d.dy));
}

inline bool are_neighbours(Pos a, Pos b) {
    return manhattan8(difference(a, b)) == 1;
}

// Direction packed into 16 bits: dx in the low byte, dy in the high byte.
inline std::uint16_t pack(Direction d) {
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(d.dx) |
                                      (static_cast<std::uint8_t>(d.dy) << 8));
}

inline constexpr Direction kLeft{-1, 0};
inline constexpr Direction kRight{1, 0};
inline constexpr Direction kUp{0, 1};
inline constexpr Direction kDown{0, -1};

} // namespace coilwend
