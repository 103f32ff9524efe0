#include "overworld_rendering/plume.hpp"

#include "game/level_play.hpp"

#include <cmath>

namespace coilwend {
namespace {

constexpr float kFadePerTick = 0.00125f;
constexpr float kGrowthPerTick = 0.0003f;
constexpr std::uint32_t kAgeAtTurn = 69; // the age before the 70th tick
constexpr float kSpawnX = 90.5f, kSpawnY = 105.5f;
constexpr float kSpawnSpeed = 0.007f;
constexpr Rgb kWhite{240, 240, 240};

} // namespace

std::uint64_t Plume::next_raw() {
    return xorshift64star(random_);
}

float Plume::next_unit() {
    const float value = static_cast<float>(next_raw()) * 0x1p-64f;
    return value < 1.0f ? value : 0x1.fffffep-1f;
}

void Plume::tick(PlumeColours colours) {
    for (std::size_t i = 0; i < count_; ++i) {
        Particle& p = slot(i);
        p.x += p.vx;
        p.y += p.vy;
        p.alpha -= kFadePerTick;
        p.size += kGrowthPerTick;
        if (p.age++ == kAgeAtTurn) {
            // Off towards the left, within a tenth of a half turn of -x.
            const float angle = 0.6283188f * next_unit() + 2.8274333f;
            const float speed = 0.004f * next_unit() + 0.001f;
            p.vx = speed * std::cos(angle);
            p.vy = speed * std::sin(angle);
        }
    }

    spawn_counter_ = static_cast<std::uint8_t>((spawn_counter_ + 1) % 4);
    if (spawn_counter_ != 0)
        return;
    if (count_ == kCapacity)
        --count_; // the oldest leaves at the back
    front_ = (front_ + kCapacity - 1) % kCapacity;
    ++count_;

    Particle& p = slot(0);
    // Out to the right, within 0.4 of a half turn of +x.
    const float angle = 2.5132742f * next_unit() - 1.2566371f;
    p = Particle{};
    p.x = kSpawnX;
    p.y = kSpawnY;
    p.vx = kSpawnSpeed * std::cos(angle);
    p.vy = kSpawnSpeed * std::sin(angle);
    p.alpha = 1.0f;
    p.size = 0.2f;
    p.colour = kWhite;
    if (colours == PlumeColours::Random) {
        auto channel = [&] { return static_cast<std::uint8_t>(75 + next_raw() % 180); };
        p.colour.r = channel();
        p.colour.g = channel();
        p.colour.b = channel();
    }
}

void Plume::build_quads(std::vector<PointVertex>& out) const {
    out.clear();
    for (std::size_t i = 0; i < count_; ++i) {
        const Particle& p = at(i);
        auto corner = [&](float sx, float sy) {
            out.push_back(PointVertex{{p.x + (2 * sx - 1) * p.size, p.y + (2 * sy - 1) * p.size},
                                      {sx, sy},
                                      p.alpha,
                                      p.colour,
                                      0});
        };
        corner(0, 0);
        corner(1, 0);
        corner(1, 1);
        corner(0, 0);
        corner(1, 1);
        corner(0, 1);
    }
}

} // namespace coilwend
