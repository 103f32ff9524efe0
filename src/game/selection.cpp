#include "game/level_play.hpp"

#include <algorithm>
#include <cstdlib>

namespace coilwend {

namespace {

template <typename T> void drop_consecutive_duplicates(std::vector<T>& values) {
    values.erase(std::unique(values.begin(), values.end()), values.end());
}

} // namespace

std::vector<Selection> selectable_ends(const Puzzle& puzzle) {
    std::vector<Selection> ends;
    for (std::size_t i = 0; i < puzzle.snakes.size(); ++i) {
        if (puzzle.snakes[i].cells.empty())
            continue;
        ends.push_back({i, false});
        if (puzzle.snakes[i].two_headed)
            ends.push_back({i, true});
    }
    return ends;
}

void cycle_selection(LevelPlay& play, bool forward) {
    const std::vector<Selection> ends = selectable_ends(play.current());
    if (ends.empty()) {
        play.selection.reset();
        return;
    }
    if (!play.selection) {
        play.selection = forward ? ends.front() : ends.back();
        return;
    }
    const auto found = std::find(ends.begin(), ends.end(), *play.selection);
    // A selection that is no longer selectable starts the cycle afresh.
    if (found == ends.end()) {
        play.selection = forward ? ends.front() : ends.back();
        return;
    }
    const std::size_t m = static_cast<std::size_t>(found - ends.begin());
    const std::size_t n = ends.size();
    play.selection = ends[forward ? (m + 1) % n : (m + n - 1) % n];
}

void steer_to_pointer(LevelPlay& play, const BoardCamera& camera, std::uint32_t px,
                      std::uint32_t py) {
    if (!play.selection)
        return;
    const Puzzle& puzzle = play.current();
    const Selection selection = *play.selection;
    if (selection.snake >= puzzle.snakes.size() || puzzle.snakes[selection.snake].cells.empty())
        return;
    const Pos lead = leading_cell(puzzle.snakes[selection.snake], selection.front);

    const Pos pointed = pointer_cell(camera, static_cast<float>(px), static_cast<float>(py));
    const Direction delta = difference(pointed, lead);
    const std::int8_t distance = manhattan8(delta);
    if (distance == 0) {
        play.last_bump.reset();
        return;
    }
    if (distance < 0)
        return;

    // Four samples around the pointer decide near cell borders. Offsets are
    // signed so a pointer at the window's edge samples beyond it rather than
    // wrapping to the far side.
    const float spread =
        static_cast<float>(std::max(camera.viewport_width, camera.viewport_height) / 50);
    const float fx = static_cast<float>(px), fy = static_cast<float>(py);
    std::vector<Pos> samples = {pointer_cell(camera, fx + spread, fy + spread),
                                pointer_cell(camera, fx - spread, fy + spread),
                                pointer_cell(camera, fx + spread, fy - spread),
                                pointer_cell(camera, fx - spread, fy - spread)};
    drop_consecutive_duplicates(samples);

    std::vector<Pos> reachable;
    for (Pos sample : samples)
        if (are_neighbours(sample, lead) &&
            can_move(puzzle, sample, selection.snake, selection.front))
            reachable.push_back(sample);
    drop_consecutive_duplicates(reachable);

    if (samples.size() == 1 && samples.front() == pointed && distance == 1) {
        // A blocked neighbour bumps once, not on every call while the pointer rests on it.
        if (play.last_bump == BumpMemory{delta.dx, delta.dy})
            return;
        try_move(play, delta, true);
    } else if (reachable.size() == 1) {
        try_move(play, difference(reachable.front(), lead), true);
    }
}

} // namespace coilwend
