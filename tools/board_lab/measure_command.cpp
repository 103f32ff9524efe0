#include "commands.hpp"
#include "printing.hpp"

#include "board_lab/ablation.hpp"
#include "board_lab/prune.hpp"
#include "board_lab/solution_walk.hpp"
#include "board_lab/solve_all.hpp"
#include "board_lab/two_heads.hpp"
#include "board_lab/wander.hpp"
#include "levels/board_writer.hpp"
#include "levels/solution_letters.hpp"

#include <algorithm>
#include <cstdio>

namespace coilwend::board_lab {
namespace {

constexpr std::size_t kMeasurePositions = 2'000'000;

const char* kind_name(ItemKind kind) {
    return kind == ItemKind::Grow ? "grow" : "shrink";
}

void print_heads(const Puzzle& puzzle, const SolveReport& r, SolveLimits limits) {
    if (!has_two_headed_snake(puzzle))
        return;
    if (r.solvable)
        std::printf("lead changes: %zu\n", lead_changes(puzzle, r.moves));
    const auto one = one_headed_moves(puzzle, limits);
    std::printf("one-headed: %s\n", one ? std::to_string(*one).c_str() : "unsolvable");
}

void print_traps(const Puzzle& puzzle, const SolveReport& r, SolveLimits limits) {
    std::printf("traps along the solution (dead/legal):");
    for (const TrapStep& s : traps_along(puzzle, r.moves, limits))
        std::printf(" %zu/%zu", s.dead, s.moves);
    std::printf("\n");
}

void print_items(const Puzzle& puzzle, const SolveReport& r) {
    for (const EatenOnTheWay& e : items_eaten(puzzle, r.moves))
        std::printf("  move %zu: snake %c eats %s at (%d,%d)%s\n", e.move + 1,
                    static_cast<char>('A' + e.snake), kind_name(e.item.kind), e.item.pos.x,
                    e.item.pos.y, e.vanished ? " and vanishes" : "");
}

void print_ablations(const Puzzle& puzzle, const SolveReport& r, const Options& o,
                     SolveLimits limits) {
    for (const Ablation& a : ablate(puzzle, limits, o.run.threads)) {
        if (a.finished_at_start) {
            std::printf("  without %-36s finished at the start\n", a.piece.c_str());
            continue;
        }
        std::printf("  without %-36s %s%s\n", a.piece.c_str(), figures(a.report).c_str(),
                    piece_matters(r, a.report) ? "" : "   <- makes no difference");
    }
}

// The boards one edit away, best first by the lab's scorer.
void print_tuning(const Puzzle& puzzle, const Options& o, SolveLimits limits) {
    const auto variants = single_changes(puzzle, o.rules);
    std::vector<Puzzle> boards;
    for (const Variant& v : variants)
        boards.push_back(v.puzzle);
    const auto reports = solve_all(boards, limits, o.run.threads);
    std::vector<std::pair<double, std::size_t>> order;
    for (std::size_t i = 0; i < variants.size(); ++i)
        order.emplace_back(base_score(boards[i], reports[i], o.goals), i);
    std::stable_sort(order.begin(), order.end(),
                     [](const auto& a, const auto& b) { return a.first > b.first; });
    order.resize(std::min(order.size(), o.tune));
    for (const auto& [score, i] : order)
        std::printf("-- %s: score %.2f  %s\n%ssolution: %s\n", variants[i].change.c_str(), score,
                    figures(reports[i]).c_str(), board_picture(boards[i]).c_str(),
                    solution_letters(boards[i], reports[i].moves).c_str());
}

// How an aimless player fares: the share of undo-free random walks that finish.
void print_wander(const Puzzle& puzzle, const WanderRun& run, SolveLimits limits) {
    const WanderReport w = wander(puzzle, run, limits);
    if (!w.measured) {
        std::printf("wander: too many positions\n");
        return;
    }
    std::printf("wander: %zu walks of up to %zu moves: %.1f%% finish, %.1f%% end dead\n", w.walks,
                run.max_moves, 100.0 * w.finished_share(), 100.0 * w.dead_share());
}

} // namespace

int measure_command(const Options& o, const std::vector<NamedBoard>& boards) {
    const SolveLimits limits{o.max_positions.value_or(kMeasurePositions)};
    int status = 0;
    for (const NamedBoard& board : boards) {
        const Puzzle puzzle = o.prune ? pruned(board.puzzle, limits) : board.puzzle;
        const SolveReport r = solve(puzzle, limits);
        print_board(board.name, puzzle, r);
        print_heads(puzzle, r, limits);
        if (r.solvable) {
            if (o.trace)
                print_trace(puzzle, r.moves);
            if (o.traps)
                print_traps(puzzle, r, limits);
            if (o.items)
                print_items(puzzle, r);
        } else {
            status = 1;
        }
        if (o.wander)
            print_wander(puzzle, *o.wander, limits);
        if (o.ablate)
            print_ablations(puzzle, r, o, limits);
        if (o.tune > 0)
            print_tuning(puzzle, o, limits);
        std::printf("\n");
    }
    return status;
}

} // namespace coilwend::board_lab
