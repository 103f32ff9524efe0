#include "board_renderer/dynamic_geometry.hpp"

#include "board_renderer/board_animation.hpp"
#include "board_renderer/piece_geometry.hpp"
#include "snake_rendering/snake_mesh.hpp"

namespace coilwend {
namespace {

SnakeAnimation snake_animation(const SnakeMotion& motion) {
    SnakeAnimation animation;
    animation.active = motion.active;
    animation.progress = motion.progress;
    animation.trailing = motion.trailing;
    animation.item_eaten = motion.item_eaten;
    animation.item_kind = motion.item_kind;
    return animation;
}

// The snake a plan describes: the puzzle's own when the plan draws its cells,
// otherwise the scratch copy refilled from the event's cells (its storage is
// reused, so this allocates only while the copy grows).
const Snake& snake_for(const Puzzle& puzzle, const SnakeDrawPlan& plan, Snake& copy) {
    if (plan.index < puzzle.snakes.size()) {
        const Snake& own = puzzle.snakes[plan.index];
        if (own.cells.data() == plan.cells.data() && own.cells.size() == plan.cells.size())
            return own;
    }
    copy.cells.assign(plan.cells.begin(), plan.cells.end());
    copy.two_headed = plan.two_headed;
    copy.companion = plan.companion;
    return copy;
}

} // namespace

void build_dynamic_geometry(const Puzzle& puzzle, const MoveEvent& event, BoardScratch& scratch) {
    const bool animated = event.kind != MoveEventKind::None;
    plan_snake_draws(puzzle, animated ? &event : nullptr, scratch.snake_plans);
    scratch.snakes.clear();
    for (const SnakeDrawPlan& plan : scratch.snake_plans)
        build_snake(snake_for(puzzle, plan, scratch.snake_copy), plan.index, puzzle,
                    snake_animation(plan.motion), scratch.snakes);
    build_piece_geometry(puzzle, board_animation(event), scratch.pieces);
}

} // namespace coilwend
