#pragma once
// The plume: soft discs drifting up out of the map's upper left, one new
// every fourth frame, each turning once towards the left on its way. After the
// final level is won they come out in random colours.

#include "graphics/vertex_formats.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace coilwend {

struct Particle {
    float x = 0, y = 0;
    float vx = 0, vy = 0;
    float alpha = 0;
    float size = 0;        // half the side of its square
    std::uint32_t age = 0; // ticks since it was spawned
    Rgb colour;
    std::uint8_t pad = 0;
};
static_assert(sizeof(Particle) == 32);

enum class PlumeColours : std::uint8_t { White, Random };

class Plume {
  public:
    static constexpr std::size_t kCapacity = 200;

    // One frame: every particle moves, fades, grows and ages (turning on its
    // 70th tick), then every fourth call a new one is spawned at the front,
    // dropping the oldest when the plume is full.
    void tick(PlumeColours colours);

    // Two triangles per particle, newest first.
    void build_quads(std::vector<PointVertex>& out) const;

    std::size_t size() const { return count_; }
    // 0 is the newest particle.
    const Particle& at(std::size_t i) const { return ring_[(front_ + i) % kCapacity]; }

  private:
    Particle& slot(std::size_t i) { return ring_[(front_ + i) % kCapacity]; }
    // The next random value as a float in [0, 1), and the raw output.
    float next_unit();
    std::uint64_t next_raw();

    // A fixed ring rather than a growing queue: the plume's size is capped, and
    // steady frames must not allocate.
    std::array<Particle, kCapacity> ring_{};
    std::size_t front_ = 0;
    std::size_t count_ = 0;
    std::uint64_t random_ = 1;
    std::uint8_t spawn_counter_ = 0;
};

} // namespace coilwend
