#include "board_renderer/snake_draw_plan.hpp"

#include <algorithm>

namespace coilwend {
namespace {

SnakeMotion step_motion(const MoveEvent& event, float progress) {
    SnakeMotion motion;
    motion.active = true;
    motion.progress = progress;
    motion.trailing = event.trailing;
    motion.item_eaten = event.eaten.has_value();
    motion.item_kind = event.eaten.value_or(ItemKind::Grow);
    return motion;
}

SnakeMotion bump_motion(const MoveEvent& event) {
    SnakeMotion motion = step_motion(event, bump_amount(event.progress));
    // A bump hands on the item found under its leading end where a step
    // hands on the item it ate.
    motion.item_eaten = event.item_on_lead.has_value();
    motion.item_kind = event.item_on_lead.value_or(ItemKind::Grow);
    return motion;
}

// A vanishing snake plays out its last plain step over the event (progress
// 0 to 1), led by the end the event names, then disappears.
SnakeMotion vanish_motion(const MoveEvent& event) {
    SnakeMotion motion;
    motion.active = true;
    const float remaining = std::clamp(1 - event.progress, 0.0f, 1.0f);
    motion.progress = event.front ? remaining : -remaining;
    motion.trailing = event.trailing;
    return motion;
}

} // namespace

float bump_amount(float p) {
    if (p >= 0 && p <= 0.5f)
        return 1 - p;
    if (p >= -0.5f && p < 0)
        return -1 - p;
    return p;
}

void plan_snake_draws(const Puzzle& puzzle, const MoveEvent* event,
                      std::vector<SnakeDrawPlan>& out) {
    out.clear();
    const MoveEventKind kind = event ? event->kind : MoveEventKind::None;
    for (std::size_t i = 0; i < puzzle.snakes.size(); ++i) {
        const Snake& snake = puzzle.snakes[i];
        // While the level closes, the finished snake is gone; only the
        // companions stay on the board.
        if (kind == MoveEventKind::Leaving && !snake.companion)
            continue;
        SnakeDrawPlan plan{i, snake.cells, snake.two_headed, snake.companion, {}};
        if (event && event->snake == i && kind == MoveEventKind::Step) {
            plan.motion = step_motion(*event, event->progress);
        } else if (event && event->snake == i && kind == MoveEventKind::Bump) {
            plan.cells = event->cells;
            plan.motion = bump_motion(*event);
        } else if (event && kind == MoveEventKind::Exit && !event->crawling && event->snake == i) {
            // The finishing move plays like any step of the snake that made it.
            plan.motion = step_motion(*event, event->progress);
        } else if (event && kind == MoveEventKind::Exit && event->crawling &&
                   event->exit_snake == i) {
            // Then the snake on the exit, which need not be the one that moved,
            // crawls in on the event's own copy of its cells.
            plan.cells = event->cells;
            plan.two_headed = event->two_headed;
            plan.companion = event->companion;
            plan.motion = step_motion(*event, event->progress);
        }
        if (!plan.cells.empty())
            out.push_back(plan);
    }
    if (kind == MoveEventKind::Vanish && !event->cells.empty())
        out.push_back({kVanishingSnakeIndex, event->cells, event->two_headed, event->companion,
                       vanish_motion(*event)});
}

} // namespace coilwend
