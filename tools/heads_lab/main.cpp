// coilwend-heads-lab: the workbench for one board picture, made for two-headed snakes.
//
//   coilwend-heads-lab [--setting S] [--title T] [--replay] [--traps] [--ablate] FILE
//   coilwend-heads-lab --search [--freeze walls,water,exit,items,targets,snakes,
//                                        exit-under-first-snake]
//                      [--min-moves N] [--max-moves N] [--need-heads] [--max-positions N]
//                      [--restarts N] [--steps N] [--keep N] [--seed N] FILE
//
// FILE holds one picture in the level-file format ("-" reads standard input).
// Without --search it prints the solver's figures, the shortest solution as
// keys, how often a two-headed snake changes its leading end and the best a
// one-headed variant can do; --replay draws the snakes after every move,
// --traps counts the moves into dead positions along the solution and
// --ablate re-solves the board without each piece in turn.

#include "board_analysis.hpp"
#include "board_mutation.hpp"
#include "levels/board_writer.hpp"
#include "snakes_view.hpp"

#include "levels/board_parser.hpp"
#include "levels/solution_letters.hpp"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace coilwend;
using namespace coilwend::heads_lab;

namespace {

struct Options {
    std::string file;
    std::string title = "Lab";
    std::uint8_t setting = 3;
    bool replay = false;
    bool traps = false;
    bool ablate = false;
    bool search = false;
    Frozen frozen;
    Goals goals;
    SearchRun run;
};

int usage() {
    std::cerr << "usage: coilwend-heads-lab [--setting S] [--title T] [--replay] [--traps] "
                 "[--ablate] FILE\n"
                 "       coilwend-heads-lab --search [--freeze PARTS] [--min-moves N] "
                 "[--max-moves N] [--need-heads] [--max-positions N] [--restarts N] [--steps N] "
                 "[--keep N] [--seed N] FILE\n";
    return 2;
}

std::size_t number(const char* text) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
}

bool freeze(std::string_view parts, Frozen& frozen) {
    while (!parts.empty()) {
        const auto comma = parts.find(',');
        const auto part = parts.substr(0, comma);
        if (part == "walls")
            frozen.walls = true;
        else if (part == "water")
            frozen.water = true;
        else if (part == "exit")
            frozen.exit = true;
        else if (part == "items")
            frozen.items = true;
        else if (part == "targets")
            frozen.targets = true;
        else if (part == "snakes")
            frozen.snakes = true;
        else if (part == "exit-under-first-snake")
            frozen.exit_under_first_snake = true;
        else
            return false;
        parts = comma == std::string_view::npos ? std::string_view{} : parts.substr(comma + 1);
    }
    return true;
}

bool read_options(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        auto value = [&]() -> const char* { return i + 1 < argc ? argv[++i] : nullptr; };
        if (arg == "--replay")
            o.replay = true;
        else if (arg == "--traps")
            o.traps = true;
        else if (arg == "--ablate")
            o.ablate = true;
        else if (arg == "--search")
            o.search = true;
        else if (arg == "--need-heads")
            o.goals.need_heads = true;
        else if (!arg.starts_with("--") || arg == "-")
            o.file = arg;
        else if (const char* v = value()) {
            if (arg == "--setting")
                o.setting = static_cast<std::uint8_t>(number(v));
            else if (arg == "--title")
                o.title = v;
            else if (arg == "--freeze") {
                if (!freeze(v, o.frozen))
                    return false;
            } else if (arg == "--min-moves")
                o.goals.min_moves = number(v);
            else if (arg == "--max-moves")
                o.goals.max_moves = number(v);
            else if (arg == "--max-positions")
                o.goals.max_positions = number(v);
            else if (arg == "--restarts")
                o.run.restarts = number(v);
            else if (arg == "--steps")
                o.run.steps = number(v);
            else if (arg == "--keep")
                o.run.keep = number(v);
            else if (arg == "--seed")
                o.run.seed = number(v);
            else
                return false;
        } else
            return false;
    }
    return !o.file.empty();
}

std::string read_text(const std::string& file) {
    std::stringstream text;
    if (file == "-")
        text << std::cin.rdbuf();
    else
        text << std::ifstream(file).rdbuf();
    return "\n" + text.str();
}

void print_figures(const Puzzle& puzzle, const SolveReport& r) {
    std::printf(
        "%dx%d  %s  moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  %.2fs\n",
        puzzle.width, puzzle.height, r.solvable ? "solvable" : "UNSOLVABLE",
        r.solvable ? r.moves.size() : 0, r.reachable, r.dead, r.first_moves, r.first_moves_dead,
        r.seconds);
    if (!r.solvable)
        return;
    std::printf("solution: %s\n", solution_letters(puzzle, r.moves).c_str());
    std::printf("lead changes: %zu\n", lead_changes(puzzle, r.moves));
}

int analyse(const Puzzle& puzzle, const Options& o) {
    const SolveLimits limits{o.goals.max_positions * 100};
    const SolveReport r = solve(puzzle, limits);
    print_figures(puzzle, r);
    if (std::any_of(puzzle.snakes.begin(), puzzle.snakes.end(),
                    [](const Snake& s) { return s.two_headed; })) {
        const auto one = one_headed_moves(puzzle, limits);
        std::printf("one-headed: %s\n", one ? std::to_string(*one).c_str() : "unsolvable");
    }
    if (!r.solvable)
        return 1;
    if (o.replay) {
        const auto positions = replay(puzzle, r.moves);
        for (std::size_t i = 0; i < positions.size(); ++i)
            std::printf("after %zu:\n%s", i, write_snakes(positions[i]).c_str());
    }
    if (o.traps) {
        const auto steps = traps_along(puzzle, r.moves, limits);
        std::printf("traps along the solution (dead/legal):");
        for (const TrapStep& s : steps)
            std::printf(" %zu/%zu", s.dead, s.moves);
        std::printf("\n");
    }
    if (o.ablate)
        for (const Ablation& a : ablations(puzzle, limits))
            std::printf("without %-40s %s\n", a.piece.c_str(),
                        a.finished_at_start ? "finished at start"
                        : a.moves           ? ("moves " + std::to_string(*a.moves) + ", dead " +
                                     std::to_string(a.dead))
                                        .c_str()
                                  : "unsolvable");
    return 0;
}

int search(const Puzzle& puzzle, const Options& o) {
    // Progress on standard error, so a long search shows what it has found so far.
    const auto found = improve(puzzle, o.frozen, o.goals, o.run, [](const Candidate& c) {
        std::fprintf(stderr, "best so far: score %.2f, moves %zu, reachable %zu, dead %zu\n%s\n",
                     c.score, c.report.moves.size(), c.report.reachable, c.report.dead,
                     board_picture(c.puzzle).c_str());
    });
    for (const Candidate& c : found) {
        std::printf("score %.2f  ", c.score);
        print_figures(c.puzzle, c.report);
        std::printf("%s\n", board_picture(c.puzzle).c_str());
    }
    return found.empty() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!read_options(argc, argv, o))
        return usage();
    const std::string text = read_text(o.file);
    const BoardParse parsed = parse_board(BoardText{"lab.rs", o.title, o.setting, text, o.file, 0});
    if (!parsed.level) {
        std::cerr << parsed.error << '\n';
        return 1;
    }
    return o.search ? search(parsed.level->puzzle, o) : analyse(parsed.level->puzzle, o);
}
