#include "snake_rendering/snake_profile.hpp"

#include "snake_rendering/snake_curve.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend {
namespace {

// Quadratic Bézier through three radii.
float quadratic(float t, float p0, float p1, float p2) {
    const float v = 1 - t;
    return v * v * p0 + 2 * t * v * p1 + t * t * p2;
}

bool item_on(const Puzzle& puzzle, Pos p) {
    return std::any_of(puzzle.items.begin(), puzzle.items.end(),
                       [&](const Item& item) { return item.pos == p; });
}

bool mark_on(const Puzzle& puzzle, Pos p) {
    return std::any_of(puzzle.eaten_marks.begin(), puzzle.eaten_marks.end(),
                       [&](const EatenMark& mark) { return mark.pos == p; });
}

float end_test(bool on, bool ahead, bool behind, float progress) {
    const float amount = std::min(std::fabs(progress), 1.0f);
    if (on || (ahead && behind))
        return 1;
    if (ahead)
        return 1 - amount;
    if (behind)
        return amount;
    return 0;
}

} // namespace

float body_radius(int samples) {
    return std::min(0.18f + 0.012f * static_cast<float>(samples / kSamplesPerCell), 0.35f);
}

float radius_profile(int a, int n, HeadCount heads) {
    // The head is wider than the neck, whatever the snake.
    if (a == n - 5 || a == n - 4)
        return 0.32f;
    if (a == n - 3)
        return 0.25f;
    if (a == n - 2)
        return 0.15f;
    const float R = body_radius(n);
    float r = 0;
    if (heads == HeadCount::Two) {
        // The tail end is a second head, with a neck of 0.18 behind each head.
        if (a >= 2 && a <= 5) {
            constexpr float taper[4] = {0.15f, 0.25f, 0.32f, 0.32f};
            return taper[a - 2];
        }
        const int F = n < 13 ? 12 : n - 12;
        const float g = static_cast<float>(F) / 2;
        const float h = a - 6 <= F / 2 ? (a - 6) / g : 1 - ((a - 6) - g) / g;
        r = quadratic(h, 0.18f, R, R);
    } else {
        // From a thin tail tip up to R, then back down to a 0.18 neck.
        const int G = n < 13 ? 12 : n - 8;
        const float half = static_cast<float>(G) / 2;
        if (a - 2 <= G / 2)
            r = quadratic((a - 2) / half, 0.05f, R, R);
        else
            r = quadratic(((a - 2) - half) / half, R, R, 0.18f);
    }
    return std::max(r, 0.0f);
}

float bulge(const Snake& snake, const Puzzle& puzzle, int a, float step_amount) {
    const int cell = a / kSamplesPerCell;
    if (a < 0 || cell >= static_cast<int>(snake.cells.size()))
        return 0;
    const Pos pos = snake.cells[cell];
    const float length = static_cast<float>(snake.cells.size());
    const float h = static_cast<float>(a % kSamplesPerCell);
    const float shape = std::sqrt(std::max(0.0f, 1 - 2 * std::fabs(h - 3) / kSamplesPerCell));
    float extra = 0;
    for (const EatenMark& mark : puzzle.eaten_marks) {
        if (!(mark.pos == pos))
            continue;
        // The countdown was one higher when the step began.
        const float left = static_cast<float>(std::min<std::uint64_t>(mark.countdown, 1000));
        const float amount =
            std::min((left + std::min(std::fabs(step_amount), 1.0f)) / length, 1.0f);
        extra += 0.2f * shape * amount;
    }
    return extra;
}

float head_reach(const Snake& snake, const Puzzle& puzzle, float progress) {
    const int length = static_cast<int>(snake.cells.size());
    if (length < 1)
        return 0;
    return end_test(item_on(puzzle, cell_at(snake, length - 1)),
                    item_on(puzzle, cell_at(snake, length)),
                    mark_on(puzzle, cell_at(snake, length - 2)), progress);
}

float tail_reach(const Snake& snake, const Puzzle& puzzle, float progress) {
    if (!snake.two_headed || snake.cells.empty())
        return 0;
    return end_test(false, item_on(puzzle, cell_at(snake, -1)), mark_on(puzzle, cell_at(snake, 1)),
                    progress);
}

} // namespace coilwend
