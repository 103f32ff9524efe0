#pragma once
// The stick latch: a push of the left stick past half its travel acts once
// and then nothing more happens on either axis until the stick comes back
// near the centre. Each screen that uses it handles only some directions.

#include "input/input_event.hpp"

#include <cstdint>
#include <optional>

namespace coilwend {

enum class StickDirection : std::uint8_t { Up = 0, Down = 1, Left = 2, Right = 3 };

struct StickLatch {
    bool held = false;
    StickDirection direction = StickDirection::Up;
};

// Directions as bits: 1 << direction.
struct StickUser {
    std::uint8_t fires = 0;   // directions that act
    std::uint8_t latches = 0; // directions that only hold the latch
};

constexpr std::uint8_t stick_bit(StickDirection direction) {
    return static_cast<std::uint8_t>(1u << static_cast<unsigned>(direction));
}

namespace stick_users {
inline constexpr std::uint8_t kVertical =
    stick_bit(StickDirection::Up) | stick_bit(StickDirection::Down);
inline constexpr std::uint8_t kHorizontal =
    stick_bit(StickDirection::Left) | stick_bit(StickDirection::Right);
inline constexpr StickUser kMainMenu{kVertical, stick_bit(StickDirection::Right)};
inline constexpr StickUser kConfirmation{kHorizontal, kVertical};
inline constexpr StickUser kPreviousArrow{stick_bit(StickDirection::Left), kVertical};
inline constexpr StickUser kNextArrow{stick_bit(StickDirection::Right), kVertical};
} // namespace stick_users

// Feeds one event through the latch; the direction that fires, if any.
std::optional<StickDirection> stick_latch_step(StickLatch& latch, const StickUser& user,
                                               const InputEvent& event);

} // namespace coilwend
