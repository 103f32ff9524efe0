#include "target_placement.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <limits>
#include <map>
#include <random>

namespace coilwend {
namespace {

constexpr double kHopeless = -std::numeric_limits<double>::infinity();

std::optional<std::size_t> shortest(const Puzzle& puzzle, SolveLimits limits) {
    const SolveReport r = solve(puzzle, limits);
    if (!r.solvable)
        return std::nullopt;
    return r.moves.size();
}

// A uniformly random choice of `count` distinct cells.
std::vector<Pos> sample(const std::vector<Pos>& cells, std::size_t count, std::mt19937_64& rng) {
    std::vector<Pos> pool = cells;
    std::vector<Pos> chosen;
    for (std::size_t i = 0; i < count && !pool.empty(); ++i) {
        std::uniform_int_distribution<std::size_t> pick(0, pool.size() - 1);
        const std::size_t at = pick(rng);
        chosen.push_back(pool[at]);
        pool[at] = pool.back();
        pool.pop_back();
    }
    return chosen;
}

std::size_t binomial(std::size_t n, std::size_t k) {
    if (k > n)
        return 0;
    std::size_t result = 1;
    for (std::size_t i = 1; i <= k; ++i) {
        result = result * (n - k + i) / i;
        if (result > std::numeric_limits<std::uint32_t>::max())
            return result; // large enough to mean "sample instead"
    }
    return result;
}

struct Layout {
    Pos exit;
    std::vector<Pos> targets;
};

std::vector<Pos> exit_options(const Puzzle& base, bool move_exit) {
    if (!move_exit)
        return {base.exit};
    std::vector<Pos> exits;
    for (int y = 0; y < base.height; ++y)
        for (int x = 0; x < base.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            if (!is_wall(base, p))
                exits.push_back(p);
        }
    return exits;
}

std::vector<Layout> layouts(const Puzzle& base, const PlacementSearch& search) {
    std::vector<Layout> all;
    const auto exits = exit_options(base, search.move_exit);
    std::size_t total = 0;
    for (const Pos exit : exits) {
        Puzzle moved = base;
        moved.exit = exit;
        total += binomial(target_candidates(moved).size(), search.count);
    }
    if (total <= search.max_tries) {
        for (const Pos exit : exits) {
            Puzzle moved = base;
            moved.exit = exit;
            for (auto& chosen : choose(target_candidates(moved), search.count))
                all.push_back({exit, std::move(chosen)});
        }
        return all;
    }
    std::mt19937_64 rng(search.seed);
    std::uniform_int_distribution<std::size_t> pick_exit(0, exits.size() - 1);
    for (std::size_t i = 0; i < search.max_tries; ++i) {
        Puzzle moved = base;
        moved.exit = exits[pick_exit(rng)];
        all.push_back({moved.exit, sample(target_candidates(moved), search.count, rng)});
    }
    return all;
}

} // namespace

std::vector<Pos> target_candidates(const Puzzle& puzzle) {
    std::vector<Pos> cells;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            if (!is_wall(puzzle, p) && !(puzzle.exit == p) && !is_target(puzzle, p))
                cells.push_back(p);
        }
    return cells;
}

std::vector<std::vector<Pos>> choose(const std::vector<Pos>& cells, std::size_t count) {
    std::vector<std::vector<Pos>> out;
    if (count > cells.size())
        return out;
    std::vector<std::size_t> index(count);
    for (std::size_t i = 0; i < count; ++i)
        index[i] = i;
    while (true) {
        std::vector<Pos> chosen;
        for (const std::size_t i : index)
            chosen.push_back(cells[i]);
        out.push_back(std::move(chosen));
        // Advance the rightmost index that still has room.
        std::size_t i = count;
        while (i > 0 && index[i - 1] == cells.size() - count + i - 1)
            --i;
        if (i == 0)
            return out;
        ++index[i - 1];
        for (std::size_t j = i; j < count; ++j)
            index[j] = index[j - 1] + 1;
    }
}

TargetEffect measure_targets(const Puzzle& puzzle, SolveLimits limits) {
    TargetEffect effect;
    effect.with = solve(puzzle, limits);
    Puzzle bare = puzzle;
    bare.targets.clear();
    effect.without_targets = shortest(bare, limits);
    for (std::size_t t = 0; t < puzzle.targets.size(); ++t) {
        Puzzle fewer = puzzle;
        fewer.targets.erase(fewer.targets.begin() + static_cast<std::ptrdiff_t>(t));
        effect.without_each.push_back(shortest(fewer, limits));
    }
    return effect;
}

double placement_score(const SolveReport& with, std::size_t moves_without_targets,
                       const PlacementGoals& goals) {
    if (!with.solvable || with.gave_up || with.moves.empty())
        return kHopeless;
    const double moves = static_cast<double>(with.moves.size());
    const double low = static_cast<double>(goals.min_moves);
    const double high = static_cast<double>(goals.max_moves);
    double score = std::min(moves, high);
    if (moves < low)
        score -= 2 * (low - moves);
    if (moves > high)
        score -= 2 * (moves - high);
    // Targets that lengthen the solution are doing their job.
    score += moves - static_cast<double>(std::min(moves_without_targets, with.moves.size()));
    score += 20.0 * static_cast<double>(with.dead) / static_cast<double>(with.reachable);
    if (with.first_moves > 0)
        score += 10.0 * static_cast<double>(with.first_moves_dead) /
                 static_cast<double>(with.first_moves);
    return score;
}

namespace {

// Keeps the `keep` best placements, best first; ties keep the earlier one.
void offer(std::vector<Placement>& best, Placement candidate, std::size_t keep) {
    if (candidate.score == kHopeless || keep == 0)
        return;
    if (best.size() == keep && candidate.score <= best.back().score)
        return;
    const auto at =
        std::upper_bound(best.begin(), best.end(), candidate.score,
                         [](double score, const Placement& p) { return score > p.score; });
    best.insert(at, std::move(candidate));
    if (best.size() > keep)
        best.pop_back();
}

} // namespace

std::vector<Placement> rank_boards(const std::vector<Puzzle>& boards, const PlacementGoals& goals,
                                   SolveLimits limits, std::size_t keep,
                                   const std::function<void(std::size_t, std::size_t)>& progress) {
    std::vector<Placement> best;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const Puzzle& puzzle = boards[i];
        if (progress && i % 100 == 0)
            progress(i, boards.size());
        if (is_complete(puzzle))
            continue;
        const SolveReport report = solve(puzzle, limits);
        if (!report.solvable || report.gave_up)
            continue;
        Puzzle bare = puzzle;
        bare.targets.clear();
        const std::size_t without = shortest(bare, limits).value_or(0);
        const double score = placement_score(report, without, goals);
        offer(best, {puzzle, report, without, score}, keep);
    }
    return best;
}

std::vector<Placement> place_targets(const Puzzle& base, const PlacementSearch& search) {
    std::vector<Placement> best;
    // The target-free solution depends only on the exit.
    std::map<std::pair<int, int>, std::optional<std::size_t>> bare_moves;
    for (const Layout& layout : layouts(base, search)) {
        Puzzle puzzle = base;
        puzzle.exit = layout.exit;
        puzzle.targets.insert(puzzle.targets.end(), layout.targets.begin(), layout.targets.end());
        if (is_complete(puzzle))
            continue;
        const SolveReport report = solve(puzzle, search.limits);
        const std::pair<int, int> key{layout.exit.x, layout.exit.y};
        if (!bare_moves.contains(key)) {
            Puzzle bare = puzzle;
            bare.targets.clear();
            bare_moves[key] = shortest(bare, search.limits);
        }
        const std::size_t without = bare_moves[key].value_or(0);
        const double score = placement_score(report, without, search.goals);
        offer(best, {std::move(puzzle), report, without, score}, search.keep);
    }
    return best;
}

} // namespace coilwend
