// The work a still level does every pass instead of drawing: the frame's
// picture key and its comparison with the last drawn one (budget 1 µs), and
// the pass clock's sums.

#include "board_renderer/board_picture.hpp"
#include "game/event_playback.hpp"
#include "game/pass_clock.hpp"
#include "levels/catalogue.hpp"

#include <benchmark/benchmark.h>

using namespace coilwend;

namespace {

void BM_StillLevelPictureCheck(benchmark::State& state) {
    const LevelPlay play = start_level(find_level("8.rs").puzzle, StartSelection::FirstSnake);
    BoardFrame frame;
    frame.puzzle = &play.current();
    frame.history_length = play.history.size();
    frame.selection = play.selection;
    frame.prompts = PromptDevice::Keyboard;
    const BoardPicture drawn = board_picture(frame);
    for (auto _ : state) {
        benchmark::DoNotOptimize(frame);
        benchmark::DoNotOptimize(board_picture(frame) == drawn);
    }
}
BENCHMARK(BM_StillLevelPictureCheck);

void BM_PassClock(benchmark::State& state) {
    PassClock clock(0);
    std::uint64_t now = 0;
    for (auto _ : state) {
        now += 7;
        const std::uint32_t due = clock.passes_due(now);
        clock.ran(due);
        benchmark::DoNotOptimize(clock.wait_ms(now));
    }
}
BENCHMARK(BM_PassClock);

} // namespace
