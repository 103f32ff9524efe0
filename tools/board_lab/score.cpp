#include "board_lab/score.hpp"

#include "board_lab/ablation.hpp"
#include "board_lab/companions.hpp"
#include "board_lab/solution_walk.hpp"
#include "board_lab/two_heads.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend::board_lab {
namespace {

// The price of each goal missed: more than any figure of a short puzzle can earn back.
constexpr double kMissed = 8.0;
// A shortest solution of the dry board is found long before its wide-open
// space is exhausted, so a smaller cap tells whether water lengthens the level.
constexpr std::size_t kDryPositions = 60'000;

double share(std::size_t part, std::size_t whole) {
    return whole == 0 ? 0.0 : static_cast<double>(part) / static_cast<double>(whole);
}

double eating_penalty(const Puzzle& puzzle, const SolveReport& report, const ScoreGoals& goals) {
    const auto eaten = items_eaten(puzzle, report.moves);
    double penalty = 0;
    if (goals.eat == EatGoal::All)
        penalty += kMissed * static_cast<double>(puzzle.items.size() - eaten.size());
    if (goals.eat == EatGoal::None)
        penalty += kMissed * static_cast<double>(eaten.size());
    for (const std::size_t vanisher : goals.vanishers)
        if (std::none_of(eaten.begin(), eaten.end(),
                         [&](const EatenOnTheWay& e) { return e.snake == vanisher && e.vanished; }))
            penalty += kMissed;
    for (const std::size_t eater : goals.eaters)
        if (std::none_of(eaten.begin(), eaten.end(),
                         [&](const EatenOnTheWay& e) { return e.snake == eater; }))
            penalty += kMissed;
    return penalty;
}

} // namespace

double base_score(const Puzzle& puzzle, const SolveReport& r, const ScoreGoals& goals) {
    if (r.gave_up)
        return -2000.0 + 10.0 * static_cast<double>(puzzle.walls.size());
    if (!r.solvable)
        return -1000.0 - std::log2(1.0 + static_cast<double>(r.reachable));
    if (r.moves.empty())
        return -3000.0; // finished before the first move
    const double moves = static_cast<double>(r.moves.size());
    if (r.moves.size() < goals.min_moves)
        return moves - 100.0;
    const double max_moves = static_cast<double>(goals.max_moves);
    const double length = std::min(moves, max_moves) - 2.0 * std::max(0.0, moves - max_moves);
    const double first_dead = share(r.first_moves_dead, r.first_moves);
    const double dead = share(r.dead, r.reachable);
    const double traps = share(r.traps_on_path, r.moves.size());
    const double heads = std::min(4.0, static_cast<double>(lead_changes(puzzle, r.moves)));
    // A solution that is one snake walking alone is no puzzle, however long,
    // and a snake the solution never moves is only a wall drawn as a snake.
    const double turns = 0.5 * std::min(12.0, static_cast<double>(handovers(r)));
    const double idle = static_cast<double>(idle_snakes(puzzle, r));
    // Fewer pieces make a cleaner puzzle; a huge space is length without insight.
    const double clutter = 0.4 * static_cast<double>(puzzle.walls.size()) +
                           0.05 * std::log2(1.0 + static_cast<double>(r.reachable));
    return length + 8.0 * first_dead + 6.0 * dead + 6.0 * traps + 1.5 * heads + turns - 4.0 * idle -
           clutter;
}

double water_gain(const SolveReport& wet, const SolveReport& dry) {
    if (!dry.solvable)
        return 0;
    const double gain = std::min(8.0, static_cast<double>(wet.moves.size()) -
                                          static_cast<double>(dry.moves.size()));
    return gain > 0 ? 0.7 * gain : 0.7 * gain - 6.0;
}

double target_gain(const SolveReport& with, std::size_t moves_without_targets) {
    return static_cast<double>(with.moves.size() -
                               std::min(moves_without_targets, with.moves.size()));
}

Scored evaluate(const Puzzle& puzzle, const ScoreGoals& goals, SolveLimits limits) {
    Scored s{puzzle, solve(puzzle, limits), 0, std::nullopt, std::nullopt};
    const SolveReport& r = s.report;
    s.score = base_score(puzzle, r, goals);
    if (!r.solvable || r.gave_up || r.moves.empty())
        return s;
    if (goals.water_matters) {
        Puzzle dry = puzzle;
        dry.water.clear();
        const SolveReport dry_report =
            solve(dry, SolveLimits{std::min(limits.max_positions, kDryPositions)});
        if (dry_report.solvable)
            s.dry_moves = dry_report.moves.size();
        s.score += water_gain(r, dry_report);
    }
    if (goals.targets_matter) {
        Puzzle bare = puzzle;
        bare.targets.clear();
        const SolveReport without = solve(bare, limits);
        s.moves_without_targets = without.solvable ? without.moves.size() : 0;
        s.score += target_gain(r, *s.moves_without_targets);
    }
    if (goals.boxed_in && !player_boxed_in(puzzle))
        s.score -= 20.0;
    if (goals.helping)
        s.score += 0.7 * static_cast<double>(std::min<std::size_t>(helping_moves(puzzle, r), 15));
    s.score -= eating_penalty(puzzle, r, goals);
    if (goals.need_heads) {
        const auto one = one_headed_moves(puzzle, limits);
        if (one && *one <= r.moves.size() + 2)
            s.score -= 20.0;
    }
    // The costliest check last.
    if (goals.items_matter)
        for (const Ablation& a : ablate(puzzle, PieceKind::Item, limits, 1))
            if (a.finished_at_start || !piece_matters(r, a.report))
                s.score -= kMissed;
    return s;
}

} // namespace coilwend::board_lab
