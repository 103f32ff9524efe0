#include "board_lab/target_placement.hpp"

#include "board_lab/search.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <limits>
#include <map>
#include <random>

namespace coilwend::board_lab {
namespace {

std::size_t moves_without_targets(Puzzle puzzle, SolveLimits limits) {
    puzzle.targets.clear();
    const SolveReport r = solve(puzzle, limits);
    return r.solvable ? r.moves.size() : 0;
}

Scored scored(Puzzle puzzle, SolveReport report, std::size_t without, const ScoreGoals& goals) {
    const double score = base_score(puzzle, report, goals) + target_gain(report, without);
    return {std::move(puzzle), std::move(report), score, std::nullopt, without};
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

std::vector<Scored> rank_boards(const std::vector<Puzzle>& boards, const ScoreGoals& goals,
                                SolveLimits limits, std::size_t keep,
                                const std::function<void(std::size_t, std::size_t)>& progress) {
    std::vector<Scored> best;
    for (std::size_t i = 0; i < boards.size(); ++i) {
        const Puzzle& puzzle = boards[i];
        if (progress && i % 100 == 0)
            progress(i, boards.size());
        if (is_complete(puzzle))
            continue;
        SolveReport report = solve(puzzle, limits);
        if (!report.solvable || report.gave_up)
            continue;
        const std::size_t without = moves_without_targets(puzzle, limits);
        keep_best(best, scored(puzzle, std::move(report), without, goals), keep);
    }
    return best;
}

std::vector<Scored> place_targets(const Puzzle& base, const PlacementSearch& search) {
    std::vector<Scored> best;
    // The target-free solution depends only on the exit.
    std::map<std::pair<int, int>, std::size_t> bare_moves;
    for (const Layout& layout : layouts(base, search)) {
        Puzzle puzzle = base;
        puzzle.exit = layout.exit;
        puzzle.targets.insert(puzzle.targets.end(), layout.targets.begin(), layout.targets.end());
        if (is_complete(puzzle))
            continue;
        SolveReport report = solve(puzzle, search.limits);
        const std::pair<int, int> key{layout.exit.x, layout.exit.y};
        if (!bare_moves.contains(key))
            bare_moves[key] = moves_without_targets(puzzle, search.limits);
        keep_best(best, scored(std::move(puzzle), std::move(report), bare_moves[key], search.goals),
                  search.keep);
    }
    return best;
}

} // namespace coilwend::board_lab
