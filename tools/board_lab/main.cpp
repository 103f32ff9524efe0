// coilwend-board-lab: measures draft boards and the boards one change away.
//
//   coilwend-board-lab FILE [--setting S] [--only NAME] [--probe] [--prune] [--tune N]
//                      [--limit N]
//                      [--climb STEPS --restarts N --goal MOVES --seed N]
//                      [--fixed-ground] [--fixed-exit] [--fixed-snakes]
//   coilwend-board-lab --level ID [same options]
//
// FILE holds drafts, each opened by a line "= Name" and followed by a picture
// in the catalogue's format. For every draft the lab prints the solver's
// figures and shortest solution; --probe also solves the draft without each
// wall, water cell and companion (does every piece matter?), --prune first
// drops every wall and water cell the solution does not need, --tune N
// lists the N best boards one edit away. --climb anneals the draft by single
// edits toward a water puzzle of about --goal moves (see water_score).

#include "lab_file.hpp"
#include "levels/board_writer.hpp"
#include "probes.hpp"

#include "levels/board_parser.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <string_view>
#include <thread>

using namespace coilwend;

namespace {

constexpr unsigned kThreads = 2;
constexpr std::size_t kDryPositions = 60'000;

struct Options {
    std::string file;
    std::string level;
    std::string only;
    std::uint8_t setting = 2;
    bool probe = false;
    bool prune = false;
    std::size_t tune = 0;
    std::size_t climb = 0;
    std::size_t restarts = 1;
    std::size_t goal = 20;
    std::uint64_t seed = 1;
    ChangeKinds kinds;
    SolveLimits limits{2'000'000};
};

int usage() {
    std::cerr
        << "usage: coilwend-board-lab (FILE [--setting S] [--only NAME] | --level ID)\n"
           "                          [--probe] [--prune] [--tune N] [--limit POSITIONS]\n"
           "                          [--climb STEPS] [--restarts N] [--goal MOVES] [--seed N]\n"
           "                          [--fixed-ground] [--fixed-exit] [--fixed-snakes]\n";
    return 2;
}

std::string figures(const SolveReport& r) {
    char line[160];
    if (!r.solvable) {
        std::snprintf(line, sizeof line, "%s, reachable %zu", r.gave_up ? "too big" : "UNSOLVABLE",
                      r.reachable);
        return line;
    }
    std::snprintf(line, sizeof line,
                  "moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  traps %zu",
                  r.moves.size(), r.reachable, r.dead, r.first_moves, r.first_moves_dead,
                  r.traps_on_path);
    return line;
}

std::vector<MeasuredVariant> measure(std::vector<Variant> variants, SolveLimits limits) {
    std::vector<MeasuredVariant> out(variants.size());
    std::atomic<std::size_t> next{0};
    // Each slot is filled by exactly one worker.
    auto work = [&] {
        for (std::size_t i = next++; i < variants.size(); i = next++) {
            const SolveReport report = solve(variants[i].puzzle, limits);
            out[i] = {std::move(variants[i]), report};
        }
    };
    {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < kThreads; ++t)
            workers.emplace_back(work);
    }
    return out;
}

Puzzle dry_board(const Puzzle& puzzle) {
    Puzzle dry = puzzle;
    dry.water.clear();
    return dry;
}

struct Scored {
    Puzzle puzzle;
    SolveReport report;
    std::size_t dry_moves = 0;
    double score = 0;
};

Scored score_board(const Puzzle& puzzle, const Options& options) {
    Scored s{puzzle, solve(puzzle, options.limits), 0, 0};
    // The dry board is wide open and can be far bigger than the wet one; a
    // shortest solution is found long before the search space is exhausted,
    // so a smaller cap is enough to tell whether water lengthens the level.
    const SolveReport dry = solve(dry_board(puzzle), SolveLimits{kDryPositions});
    s.dry_moves = dry.moves.size();
    s.score = water_score(s.report, dry, options.goal, puzzle.walls.size());
    return s;
}

// Simulated annealing over single edits, from the draft, keeping the best
// distinct boards seen; two restarts run at a time.
std::vector<Scored> climb(const Puzzle& draft, const Options& options) {
    std::vector<std::vector<Scored>> kept(options.restarts);
    std::atomic<std::size_t> next{0};
    auto work = [&] {
        for (std::size_t r = next++; r < options.restarts; r = next++) {
            std::mt19937_64 rng(options.seed * 7919 + r);
            Scored current = score_board(draft, options);
            double temperature = 2.0;
            auto& best = kept[r];
            for (std::size_t step = 0; step < options.climb; ++step) {
                const auto changes = single_changes(current.puzzle, options.kinds);
                if (changes.empty())
                    break;
                const auto& pick =
                    changes[std::uniform_int_distribution<std::size_t>(0, changes.size() - 1)(rng)];
                Scored candidate = score_board(pick.puzzle, options);
                const double gain = candidate.score - current.score;
                if (gain >= 0 || std::uniform_real_distribution<double>(0, 1)(rng) <
                                     std::exp(gain / temperature))
                    current = std::move(candidate);
                temperature = std::max(0.05, temperature * 0.99);
                if (current.score < -1e8)
                    continue;
                const bool seen = std::any_of(best.begin(), best.end(), [&](const Scored& b) {
                    return b.puzzle == current.puzzle;
                });
                if (!seen)
                    best.push_back(current);
                std::sort(best.begin(), best.end(),
                          [](const Scored& a, const Scored& b) { return a.score > b.score; });
                if (best.size() > 3)
                    best.pop_back();
            }
        }
    };
    {
        std::vector<std::jthread> workers;
        for (unsigned t = 0; t < kThreads; ++t)
            workers.emplace_back(work);
    }
    std::vector<Scored> all;
    for (auto& k : kept)
        for (auto& s : k)
            if (std::none_of(all.begin(), all.end(),
                             [&](const Scored& a) { return a.puzzle == s.puzzle; }))
                all.push_back(std::move(s));
    std::sort(all.begin(), all.end(),
              [](const Scored& a, const Scored& b) { return a.score > b.score; });
    return all;
}

void report_board(std::string_view name, const Puzzle& draft, const Options& options) {
    const Puzzle puzzle = options.prune ? pruned(draft, options.limits) : draft;
    const SolveReport r = solve(puzzle, options.limits);
    std::printf("== %s  %dx%d\n%s%s\n", std::string(name).c_str(), puzzle.width, puzzle.height,
                board_picture(puzzle).c_str(), figures(r).c_str());
    if (r.solvable)
        std::printf("solution: %s\n", solution_letters(puzzle, r.moves).c_str());
    if (options.probe) {
        for (const auto& m : measure(removal_variants(puzzle), options.limits)) {
            const bool same =
                m.report.solvable == r.solvable && m.report.moves.size() == r.moves.size();
            std::printf("  %-24s %s%s\n", m.variant.change.c_str(), figures(m.report).c_str(),
                        same ? "  (same length)" : "");
        }
    }
    if (options.tune > 0) {
        auto found = measure(single_changes(puzzle, options.kinds), options.limits);
        std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
            return candidate_score(a.report) > candidate_score(b.report);
        });
        found.resize(std::min(found.size(), options.tune));
        for (const auto& m : found)
            std::printf("-- %s: %s\n%ssolution: %s\n", m.variant.change.c_str(),
                        figures(m.report).c_str(), board_picture(m.variant.puzzle).c_str(),
                        solution_letters(m.variant.puzzle, m.report.moves).c_str());
    }
    if (options.climb > 0) {
        for (Scored s : climb(puzzle, options)) {
            if (options.prune)
                s = score_board(pruned(s.puzzle, options.limits), options);
            std::printf("** score %.2f  %s  dry %zu\n%ssolution: %s\n", s.score,
                        figures(s.report).c_str(), s.dry_moves, board_picture(s.puzzle).c_str(),
                        solution_letters(s.puzzle, s.report.moves).c_str());
        }
    }
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--probe") {
            options.probe = true;
            continue;
        }
        if (option == "--prune") {
            options.prune = true;
            continue;
        }
        if (option == "--fixed-ground" || option == "--fixed-exit" || option == "--fixed-snakes") {
            (option == "--fixed-ground" ? options.kinds.ground
             : option == "--fixed-exit" ? options.kinds.exit
                                        : options.kinds.snakes) = false;
            continue;
        }
        if (option.rfind("--", 0) != 0) {
            options.file = option;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        const char* value = argv[++i];
        if (option == "--level")
            options.level = value;
        else if (option == "--only")
            options.only = value;
        else if (option == "--setting")
            options.setting = static_cast<std::uint8_t>(std::atoi(value));
        else if (option == "--tune")
            options.tune = static_cast<std::size_t>(std::atoll(value));
        else if (option == "--climb")
            options.climb = static_cast<std::size_t>(std::atoll(value));
        else if (option == "--restarts")
            options.restarts = static_cast<std::size_t>(std::atoll(value));
        else if (option == "--goal")
            options.goal = static_cast<std::size_t>(std::atoll(value));
        else if (option == "--seed")
            options.seed = static_cast<std::uint64_t>(std::atoll(value));
        else if (option == "--limit")
            options.limits.max_positions = static_cast<std::size_t>(std::atoll(value));
        else
            return usage();
    }
    if (!options.level.empty()) {
        const Level& level = find_level(options.level);
        report_board(level.id, level.puzzle, options);
        return 0;
    }
    if (options.file.empty())
        return usage();
    std::ifstream in(options.file);
    if (!in) {
        std::cerr << "cannot read " << options.file << '\n';
        return 1;
    }
    std::stringstream contents;
    contents << in.rdbuf();
    int faults = 0;
    for (const LabBoard& board : read_lab_boards(contents.str(), options.setting, options.file)) {
        if (!options.only.empty() && *board.name != options.only)
            continue;
        const BoardParse parsed = parse_board(board.text);
        if (!parsed.level) {
            std::cerr << parsed.error << '\n';
            ++faults;
            continue;
        }
        report_board(*board.name, parsed.level->puzzle, options);
    }
    return faults == 0 ? 0 : 1;
}
