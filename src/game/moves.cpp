#include "game/level_play.hpp"

#include "game/log.hpp"

#include <algorithm>
#include <array>

namespace coilwend {

namespace {

constexpr std::array<Direction, 4> kStuckTestOrder = {kRight, kLeft, kUp, kDown};

std::optional<ItemKind> item_kind_at(const Puzzle& puzzle, Pos p) {
    const Item* item = item_at(puzzle, p);
    return item ? std::optional<ItemKind>(item->kind) : std::nullopt;
}

void play_cue(LevelPlay& play, std::uint8_t cue) {
    if (play.sounds != nullptr)
        play.sounds->play(cue);
}

const Snake& selected_snake(const Puzzle& puzzle, const Selection& selection) {
    if (selection.snake >= puzzle.snakes.size())
        fatal("Selection names no snake: index " + std::to_string(selection.snake));
    return puzzle.snakes[selection.snake];
}

void bump(LevelPlay& play, const Snake& snake, const Selection& selection, Pos target,
          Direction direction) {
    const std::vector<Pos>& cells = snake.cells;
    const Pos neck = selection.front ? cells[1] : cells[cells.size() - 2];
    // Stepping back onto the neck is not an attempt at all.
    if (target == neck)
        return;

    const Pos lead = leading_cell(snake, selection.front);
    const std::optional<ItemKind> on_lead = item_kind_at(play.current(), lead);
    std::vector<Pos> would_be = cells;
    if (on_lead != ItemKind::Grow) {
        if (selection.front)
            would_be.pop_back();
        else
            would_be.erase(would_be.begin());
    }
    if (selection.front)
        would_be.insert(would_be.begin(), target);
    else
        would_be.push_back(target);

    MoveEvent event;
    event.kind = MoveEventKind::Bump;
    event.history_index = play.history.size() - 1;
    event.progress = selection.front ? 1.0f : -1.0f;
    event.trailing = trailing_cell(snake, selection.front);
    event.item_on_lead = on_lead;
    event.snake = selection.snake;
    event.cells = std::move(would_be);
    play.events.push_back(std::move(event));
    play_cue(play, cue::kBump);
    play.last_bump = BumpMemory{direction.dx, direction.dy};
}

void play_target_cues(LevelPlay& play, const Puzzle& before, const Puzzle& after, Pos new_lead,
                      Pos old_trail) {
    if (new_lead == old_trail)
        return;
    if (is_target(after, new_lead)) {
        play_cue(play, cue::kTargetReached);
        if (all_targets_covered(after))
            play_cue(play, cue::kAllCovered);
    }
    if (is_target(after, old_trail)) {
        play_cue(play, cue::kTargetLeft);
        if (all_targets_covered(before))
            play_cue(play, cue::kNoLongerCovered);
    }
}

MoveEvent exit_event(const Puzzle& after, const Selection& moved, Pos old_trail,
                     std::optional<ItemKind> eaten, std::size_t history_index) {
    // The snake standing on the exit crawls in, led by the end that is on it,
    // which need not be the moved snake nor its last cell.
    const Selection finisher = *finishing_end(after);
    const Snake& snake = after.snakes[finisher.snake];
    MoveEvent event;
    event.kind = MoveEventKind::Exit;
    event.history_index = history_index;
    event.progress = moved.front ? 1.0f : -1.0f;
    event.trailing = old_trail;
    event.eaten = eaten;
    event.snake = moved.snake;
    event.exit_snake = finisher.snake;
    event.cells = snake.cells;
    if (finisher.front)
        std::reverse(event.cells.begin(), event.cells.end());
    event.two_headed = snake.two_headed;
    event.companion = snake.companion;
    return event;
}

} // namespace

Direction command_direction(std::uint8_t code) {
    switch (code) {
    case command::kLeft:
        return kLeft;
    case command::kRight:
        return kRight;
    case command::kUp:
        return kUp;
    default:
        return kDown;
    }
}

bool can_move(const Puzzle& puzzle, Pos target, std::size_t snake_index, bool front) {
    const Snake& mover = puzzle.snakes.at(snake_index);
    if (mover.cells.empty())
        return false;
    if (!on_board(puzzle, target))
        return false;
    const Pos lead = leading_cell(mover, front);
    const Pos trail = trailing_cell(mover, front);
    const bool tail_moves_away =
        mover.cells.size() >= 3 && item_kind_at(puzzle, lead) != ItemKind::Grow;
    for (std::size_t j = 0; j < puzzle.snakes.size(); ++j)
        for (Pos cell : puzzle.snakes[j].cells)
            if (cell == target && !(j == snake_index && cell == trail && tail_moves_away))
                return false;
    if (is_wall(puzzle, target))
        return false;
    if (mover.companion && is_water(puzzle, target))
        return false;
    return true;
}

std::vector<Pos> moved_cells(const std::vector<Pos>& cells, Pos lead_to, bool front,
                             std::optional<ItemKind> eaten) {
    const std::size_t dropped = !eaten ? 1 : (*eaten == ItemKind::Grow ? 0 : 2);
    const std::size_t length = cells.size();
    if (length < dropped || length - dropped + 1 <= 1)
        return {};
    std::vector<Pos> result;
    result.reserve(length - dropped + 1);
    if (front) {
        result.push_back(lead_to);
        result.insert(result.end(), cells.begin(), cells.end() - static_cast<long>(dropped));
    } else {
        result.insert(result.end(), cells.begin() + static_cast<long>(dropped), cells.end());
        result.push_back(lead_to);
    }
    return result;
}

std::optional<MoveResult> apply_move(const Puzzle& puzzle, std::size_t snake_index, bool front,
                                     Direction direction) {
    const Snake& mover = puzzle.snakes.at(snake_index);
    if (mover.cells.empty())
        return std::nullopt;
    const Pos lead = leading_cell(mover, front);
    const Pos target = step(lead, direction);
    if (!can_move(puzzle, target, snake_index, front))
        return std::nullopt;

    MoveResult result{puzzle, std::nullopt};
    Puzzle& next = result.puzzle;
    const std::uint64_t length_before = mover.cells.size();

    // Items are eaten as the leading end leaves them, one move after arriving.
    auto eaten_item = std::find_if(next.items.begin(), next.items.end(),
                                   [&](const Item& i) { return i.pos == lead; });
    if (eaten_item != next.items.end()) {
        result.eaten = eaten_item->kind;
        *eaten_item = next.items.back();
        next.items.pop_back();
        next.eaten_marks.push_back({lead, std::min<std::uint64_t>(length_before, 10)});
    }
    Snake& moved = next.snakes[snake_index];
    moved.cells = moved_cells(mover.cells, target, front, result.eaten);

    for (EatenMark& mark : next.eaten_marks)
        if (mark.countdown > 0)
            --mark.countdown;
    const bool has_cells = !moved.cells.empty();
    const Pos first = has_cells ? moved.cells.front() : Pos{};
    const Pos last = has_cells ? moved.cells.back() : Pos{};
    std::erase_if(next.eaten_marks, [&](const EatenMark& mark) {
        return mark.countdown == 0 || (has_cells && (mark.pos == first || mark.pos == last));
    });
    return result;
}

bool no_moves_left(const Puzzle& puzzle) {
    for (std::size_t j = 0; j < puzzle.snakes.size(); ++j) {
        const Snake& snake = puzzle.snakes[j];
        if (snake.cells.empty())
            continue;
        for (Direction d : kStuckTestOrder) {
            if (can_move(puzzle, step(snake.cells.back(), d), j, false))
                return false;
            if (snake.two_headed && can_move(puzzle, step(snake.cells.front(), d), j, true))
                return false;
        }
    }
    return true;
}

void try_move(LevelPlay& play, Direction direction, bool by_pointer) {
    const Puzzle& before = play.current();
    if (is_complete(before))
        return;
    if (!play.selection)
        return;
    const Selection selection = *play.selection;
    const Snake& snake = selected_snake(before, selection);
    if (snake.cells.empty() || manhattan8(direction) != 1)
        return;

    const Pos lead = leading_cell(snake, selection.front);
    const Pos target = step(lead, direction);
    if (!can_move(before, target, selection.snake, selection.front)) {
        bump(play, snake, selection, target, direction);
        return;
    }

    const Pos old_trail = trailing_cell(snake, selection.front);
    const std::vector<Pos> old_cells = snake.cells;
    std::optional<MoveResult> result =
        apply_move(before, selection.snake, selection.front, direction);
    // can_move just allowed the step, so the move cannot be refused here.
    const std::optional<ItemKind> eaten = result->eaten;
    play.history.push_back({std::move(result->puzzle),
                            by_pointer ? std::nullopt : std::optional<Selection>(selection)});
    play.redo.clear();
    play.last_bump.reset();

    // `before` may have moved with the history's storage; re-read both puzzles.
    const Puzzle& previous = play.history[play.history.size() - 2].puzzle;
    const Puzzle& next = play.history.back().puzzle;
    const Snake& moved = next.snakes[selection.snake];
    const std::size_t index = play.history.size() - 1;
    const bool complete = is_complete(next);

    if (!complete && no_moves_left(next))
        play.stuck = 0;

    const bool in_water = std::any_of(moved.cells.begin(), moved.cells.end(),
                                      [&](Pos c) { return is_water(next, c); });
    if (in_water)
        play_cue(play, cue::kSplash);
    else
        play_cue(play, static_cast<std::uint8_t>(xorshift64star(play.random) % 3));

    if (eaten == ItemKind::Grow) {
        play_cue(play, cue::kGrow);
    } else if (eaten == ItemKind::Shrink) {
        if (!moved.cells.empty()) {
            play_cue(play, cue::kShrink);
        } else {
            play.selection.reset();
            play_cue(play, cue::kShrinkVanish);
        }
    }

    play_target_cues(play, previous, next, target, old_trail);

    if (complete) {
        play.events.push_back(exit_event(next, selection, old_trail, eaten, index));
        return;
    }
    MoveEvent event;
    event.history_index = index;
    event.trailing = old_trail;
    event.snake = selection.snake;
    if (!moved.cells.empty()) {
        event.kind = MoveEventKind::Step;
        event.progress = selection.front ? 1.0f : -1.0f;
        event.eaten = eaten;
    } else {
        play.selection.reset();
        event.kind = MoveEventKind::Vanish;
        event.progress = 0.0f;
        event.front = selection.front;
        event.cells = moved_cells(old_cells, target, selection.front, std::nullopt);
        event.two_headed = moved.two_headed;
        event.companion = moved.companion;
    }
    play.events.push_back(std::move(event));
}

std::uint64_t xorshift64star(std::uint64_t& state) {
    std::uint64_t x = state;
    x ^= x >> 12;
    x ^= x << 25;
    x ^= x >> 27;
    state = x;
    return x * 0x2545F4914F6CDD1DULL;
}

} // namespace coilwend
