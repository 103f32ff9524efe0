// coilwend-target-search: where should a board's targets go?
//
//   coilwend-target-search [--setting S] FILE
//       the board's figures, and what each of its targets adds: the shortest
//       solution with no targets and with each target taken away
//   coilwend-target-search --place N [--move-exit] [--min-moves N] [--max-moves N]
//                          [--keep N] [--tries N] [--seed N] [--max-positions N] FILE
//       adds N targets to the board in every possible way (a random sample
//       when there are more than --tries layouts) and prints the best boards
//   coilwend-target-search --rank [--min-moves N] [--max-moves N] [--keep N] FILE
//       ranks many boards (each starting with its header line, as a script
//       writes variations of one idea) the same way
//
// FILE holds one board picture (board_text.hpp), "-" for standard input.
// Every proposal is a starting point: a designer still plays it and judges it.

#include "target_placement.hpp"

#include "levels/board_parser.hpp"
#include "levels/board_writer.hpp"
#include "levels/solution_letters.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace coilwend;

namespace {

struct Options {
    std::string file;
    std::uint8_t setting = 4;
    bool place = false;
    bool rank = false;
    PlacementSearch search;
};

int usage() {
    std::cerr << "usage: coilwend-target-search [--setting S] FILE\n"
                 "       coilwend-target-search --place N [--move-exit] [--min-moves N] "
                 "[--max-moves N] [--keep N] [--tries N] [--seed N] [--max-positions N] FILE\n";
    return 2;
}

std::size_t number(const char* text) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
}

bool read_options(int argc, char** argv, Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--move-exit" || arg == "--rank") {
            (arg == "--rank" ? o.rank : o.search.move_exit) = true;
            continue;
        }
        if (!arg.starts_with("--") || arg == "-") {
            o.file = arg;
            continue;
        }
        if (i + 1 >= argc)
            return false;
        const char* value = argv[++i];
        if (arg == "--setting")
            o.setting = static_cast<std::uint8_t>(number(value));
        else if (arg == "--place") {
            o.place = true;
            o.search.count = number(value);
        } else if (arg == "--min-moves")
            o.search.goals.min_moves = number(value);
        else if (arg == "--max-moves")
            o.search.goals.max_moves = number(value);
        else if (arg == "--keep")
            o.search.keep = number(value);
        else if (arg == "--tries")
            o.search.max_tries = number(value);
        else if (arg == "--seed")
            o.search.seed = number(value);
        else if (arg == "--max-positions")
            o.search.limits.max_positions = number(value);
        else
            return false;
    }
    return !o.file.empty();
}

std::string read_text(const std::string& file) {
    std::stringstream text;
    text << '\n';
    if (file == "-")
        text << std::cin.rdbuf();
    else
        text << std::ifstream(file).rdbuf();
    // The parser expects the picture to start on the line after the call.
    return text.str();
}

std::string moves_text(const std::optional<std::size_t>& moves) {
    return moves ? std::to_string(*moves) : "unsolvable";
}

void print_figures(const Puzzle& puzzle, const SolveReport& r) {
    std::printf("%dx%d  %s  moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  "
                "%.2fs\n",
                puzzle.width, puzzle.height,
                r.solvable ? "solvable" : (r.gave_up ? "too big" : "UNSOLVABLE"),
                r.solvable ? r.moves.size() : 0, r.reachable, r.dead, r.first_moves,
                r.first_moves_dead, r.seconds);
    if (r.solvable)
        std::printf("solution: %s\n", solution_letters(puzzle, r.moves).c_str());
}

int measure(const Puzzle& puzzle, const Options& o) {
    const TargetEffect effect = measure_targets(puzzle, o.search.limits);
    print_figures(puzzle, effect.with);
    std::printf("without targets: %s\n", moves_text(effect.without_targets).c_str());
    for (std::size_t t = 0; t < puzzle.targets.size(); ++t)
        std::printf("without target (%d, %d): %s\n", puzzle.targets[t].x, puzzle.targets[t].y,
                    moves_text(effect.without_each[t]).c_str());
    return effect.with.solvable ? 0 : 1;
}

int place(const Puzzle& puzzle, const Options& o) {
    const auto found = place_targets(puzzle, o.search);
    for (const Placement& p : found) {
        std::printf("score %.2f  without targets %zu  ", p.score, p.moves_without_targets);
        print_figures(p.puzzle, p.report);
        std::printf("%s\n", board_picture(p.puzzle).c_str());
    }
    return found.empty() ? 1 : 0;
}

// Splits a file of many pictures at their header lines.
std::vector<std::string> split_pictures(const std::string& text) {
    std::vector<std::string> pictures;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        if (line.starts_with("ground"))
            pictures.emplace_back("\n");
        if (!pictures.empty())
            pictures.back() += line + "\n";
    }
    return pictures;
}

int rank(const std::string& text, const Options& o) {
    const auto pictures = split_pictures(text);
    std::vector<Puzzle> boards;
    for (const std::string& picture : pictures) {
        const BoardParse parsed =
            parse_board(BoardText{"draft.rs", "Draft", o.setting, picture, o.file, 0});
        if (parsed.level)
            boards.push_back(parsed.level->puzzle);
        else
            std::cerr << parsed.error << '\n';
    }
    const auto found =
        rank_boards(boards, o.search.goals, o.search.limits, o.search.keep,
                    [](std::size_t done, std::size_t all) {
                        std::fprintf(stderr, "%zu of %zu boards solved\r", done, all);
                    });
    std::printf("%zu boards read, %zu drawn correctly\n\n", pictures.size(), boards.size());
    for (const Placement& p : found) {
        std::printf("score %.2f  without targets %zu  ", p.score, p.moves_without_targets);
        print_figures(p.puzzle, p.report);
        std::printf("%s\n", board_picture(p.puzzle).c_str());
    }
    return found.empty() ? 1 : 0;
}

} // namespace

int main(int argc, char** argv) {
    Options o;
    if (!read_options(argc, argv, o))
        return usage();
    const std::string text = read_text(o.file);
    if (o.rank)
        return rank(text, o);
    const BoardParse parsed =
        parse_board(BoardText{"draft.rs", "Draft", o.setting, text, o.file, 0});
    if (!parsed.level) {
        std::cerr << parsed.error << '\n';
        return 1;
    }
    return o.place ? place(parsed.level->puzzle, o) : measure(parsed.level->puzzle, o);
}
