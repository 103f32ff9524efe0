#include "board_lab/search.hpp"

#include "board_lab/board_rules.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <mutex>
#include <thread>

namespace coilwend::board_lab {
namespace {

using Rng = std::mt19937_64;

// Runs each restart on its own generator, so the result does not depend on
// how many threads share the work, and merges their best boards.
class Restarts {
  public:
    Restarts(const SearchRun& run, const OnBest& on_best) : run_(run), on_best_(on_best) {}

    template <typename Walk> std::vector<Scored> run(Walk walk) {
        std::vector<std::vector<Scored>> kept(run_.restarts);
        std::atomic<std::size_t> next{0};
        auto work = [&] {
            for (std::size_t r = next++; r < run_.restarts; r = next++) {
                Rng rng(run_.seed * 7919 + r);
                walk(rng, [&](Scored s) { remember(kept[r], std::move(s)); });
            }
        };
        {
            std::vector<std::jthread> workers;
            for (unsigned t = 0; t < std::max(1u, run_.threads); ++t)
                workers.emplace_back(work);
        }
        std::vector<Scored> all;
        for (auto& list : kept)
            for (Scored& s : list)
                keep_best(all, std::move(s), run_.keep);
        return all;
    }

  private:
    void remember(std::vector<Scored>& mine, Scored s) {
        if (on_best_ && s.report.solvable && !s.report.gave_up) {
            const std::lock_guard lock(guard_);
            if (!best_score_ || s.score > *best_score_) {
                best_score_ = s.score;
                on_best_(s);
            }
        }
        keep_best(mine, std::move(s), run_.keep);
    }

    const SearchRun& run_;
    const OnBest& on_best_;
    std::mutex guard_;
    std::optional<double> best_score_;
};

std::optional<Puzzle> first_board(const std::optional<Puzzle>& start, const Cast& cast, Rng& rng) {
    if (start)
        return start;
    for (int attempt = 0; attempt < 1000; ++attempt)
        if (auto board = random_board(cast, rng); board && keeps_invariants(*board))
            return board;
    return std::nullopt;
}

} // namespace

void keep_best(std::vector<Scored>& best, Scored candidate, std::size_t keep) {
    const SolveReport& r = candidate.report;
    if (!r.solvable || r.gave_up || r.moves.empty() || keep == 0)
        return;
    const Puzzle same = canonical(candidate.puzzle);
    if (std::any_of(best.begin(), best.end(),
                    [&](const Scored& b) { return canonical(b.puzzle) == same; }))
        return;
    if (best.size() == keep && candidate.score <= best.back().score)
        return;
    const auto at = std::upper_bound(best.begin(), best.end(), candidate.score,
                                     [](double score, const Scored& s) { return score > s.score; });
    best.insert(at, std::move(candidate));
    if (best.size() > keep)
        best.pop_back();
}

std::vector<Scored> search_boards(const std::optional<Puzzle>& start, const Cast& cast,
                                  const ChangeRules& rules, const ScoreGoals& goals,
                                  SolveLimits limits, const SearchRun& run, const OnBest& on_best) {
    return Restarts(run, on_best).run([&](Rng& rng, auto remember) {
        const std::optional<Puzzle> board = first_board(start, cast, rng);
        if (!board)
            return;
        Scored current = evaluate(*board, goals, limits);
        remember(current);
        double temperature = 2.0;
        for (std::size_t s = 0; s < run.steps; ++s) {
            Scored next = evaluate(random_change(current.puzzle, rules, rng), goals, limits);
            const double gain = next.score - current.score;
            if (gain >= 0 ||
                std::uniform_real_distribution<double>(0, 1)(rng) < std::exp(gain / temperature))
                current = std::move(next);
            remember(current);
            temperature = std::max(0.05, temperature * 0.99);
        }
    });
}

std::vector<Scored> scramble(const Puzzle& finish, std::size_t walk, const ScoreGoals& goals,
                             SolveLimits limits, const SearchRun& run, const OnBest& on_best) {
    const std::size_t every = std::max<std::size_t>(1, walk / std::max<std::size_t>(1, run.steps));
    return Restarts(run, on_best).run([&](Rng& rng, auto remember) {
        Puzzle at = finish;
        for (std::size_t i = 1; i <= walk; ++i) {
            at = step_back(at, rng);
            if (i % every == 0 && keeps_invariants(at))
                remember(evaluate(at, goals, limits));
        }
    });
}

} // namespace coilwend::board_lab
