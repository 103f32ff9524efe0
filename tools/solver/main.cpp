// coilwend-solve: proves every level of the catalogue solvable and measures it.
//
//   coilwend-solve                  one row per level
//   coilwend-solve --json           the whole catalogue as JSON on standard output
//   coilwend-solve --solution ID    the stored shortest solution of a level
//   coilwend-solve --level ID       solve one level and show its figures
//   coilwend-solve --picture FILE [--show]
//                                   solve a board picture drawn in a file ("-": standard input),
//                                   showing the snakes after every move
//   coilwend-solve --write-solutions FILE --write-docs FILE
//                                   regenerate the stored solutions and the level list

#include "catalogue_json.hpp"
#include "level_list.hpp"
#include "solve_all.hpp"

#include "game/level_play.hpp"
#include "levels/board_parser.hpp"
#include "levels/board_writer.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

using namespace coilwend;

namespace {

constexpr unsigned kThreads = 2;

int usage() {
    std::cerr << "usage: coilwend-solve [--json | --solution ID | --level ID | --picture FILE |\n"
                 "                       --write-solutions FILE --write-docs FILE]\n";
    return 2;
}

const Level* level_or_complain(std::string_view id) {
    for (const Level& level : level_definitions())
        if (level.id == id)
            return &level;
    std::cerr << "No level called " << id << '\n';
    return nullptr;
}

void print_row(const Level& level, const SolveReport& r) {
    std::printf("%-6s %-34s %2dx%d  %-10s %4s %10zu %10zu %8.3fs\n", std::string(level.id).c_str(),
                std::string(level_title(level)).c_str(), level.puzzle.width, level.puzzle.height,
                r.gave_up ? "too big" : (r.solvable ? "solvable" : "UNSOLVABLE"),
                r.solvable ? std::to_string(r.moves.size()).c_str() : "-", r.reachable, r.dead,
                r.seconds);
}

int table() {
    const auto began = std::chrono::steady_clock::now();
    const auto& levels = level_definitions();
    const auto reports = solve_all(levels, kThreads);
    std::printf("%-6s %-34s %5s  %-10s %4s %10s %10s %9s\n", "id", "title", "size", "status",
                "moves", "reachable", "dead", "time");
    bool all_solvable = true;
    for (std::size_t i = 0; i < levels.size(); ++i) {
        print_row(levels[i], reports[i]);
        all_solvable = all_solvable && reports[i].solvable && !reports[i].gave_up;
    }
    std::printf("total %.2fs\n",
                std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
    return all_solvable ? 0 : 1;
}

int one_level(std::string_view id) {
    const Level* level = level_or_complain(id);
    if (!level)
        return 1;
    const SolveReport r = solve(level->puzzle);
    print_row(*level, r);
    std::printf("first moves: %zu, into dead positions: %zu\n", r.first_moves, r.first_moves_dead);
    if (r.solvable)
        std::printf("solution: %s\n", solution_letters(level->puzzle, r.moves).c_str());
    return r.solvable ? 0 : 1;
}

// Prints the snakes layer after every move of the solution, side by side, for review.
void show_solution(const Puzzle& start, const std::vector<SolverMove>& moves) {
    std::vector<std::string> frames;
    Puzzle at = start;
    auto snakes_layer = [](const Puzzle& p) {
        std::string picture = board_picture(p);
        std::vector<std::string> rows;
        std::size_t line_start = picture.find('\n') + 1;
        for (int y = 0; y < p.height; ++y) {
            const std::size_t end = picture.find('\n', line_start);
            const std::string line = picture.substr(line_start, end - line_start);
            rows.push_back(line.substr(line.size() - p.width));
            line_start = end + 1;
        }
        return rows;
    };
    std::vector<std::vector<std::string>> all{snakes_layer(at)};
    for (const SolverMove& m : moves) {
        at = apply_move(at, m.snake, m.front, m.direction)->puzzle;
        all.push_back(snakes_layer(at));
    }
    for (std::size_t first = 0; first < all.size(); first += 10) {
        for (int y = 0; y < start.height; ++y) {
            for (std::size_t f = first; f < std::min(all.size(), first + 10); ++f)
                std::printf("%s  ", all[f][y].c_str());
            std::printf("\n");
        }
        std::printf("\n");
    }
}

int picture(const char* path, bool show) {
    std::string text;
    if (std::string_view(path) == "-") {
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    } else {
        std::ifstream in(path);
        if (!in) {
            std::cerr << "Could not read " << path << '\n';
            return 1;
        }
        text.assign(std::istreambuf_iterator<char>(in), {});
    }
    const auto parsed = parse_board(BoardText{"draft.rs", "Draft", 0, text, path, 1});
    if (!parsed.level) {
        std::cerr << parsed.error << '\n';
        return 1;
    }
    const SolveReport r = solve(parsed.level->puzzle);
    print_row(*parsed.level, r);
    std::printf("first moves: %zu, into dead positions: %zu; traps on the solution path: %zu\n",
                r.first_moves, r.first_moves_dead, r.traps_on_path);
    if (r.solvable)
        std::printf("solution: %s\n", solution_letters(parsed.level->puzzle, r.moves).c_str());
    if (r.solvable && show)
        show_solution(parsed.level->puzzle, r.moves);
    return r.solvable ? 0 : 1;
}

int regenerate(const char* solutions_path, const char* docs_path) {
    const auto began = std::chrono::steady_clock::now();
    const auto reports = solve_all(level_definitions(), kThreads);
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();
    for (std::size_t i = 0; i < reports.size(); ++i)
        if (!reports[i].solvable)
            std::cerr << "warning: " << level_definitions()[i].id << " is not solvable\n";
    if (solutions_path) {
        std::ofstream out(solutions_path);
        write_solutions_source(out, reports);
        if (!out) {
            std::cerr << "Could not write " << solutions_path << '\n';
            return 1;
        }
    }
    if (docs_path) {
        std::ofstream out(docs_path);
        write_level_list(out, reports, seconds);
        if (!out) {
            std::cerr << "Could not write " << docs_path << '\n';
            return 1;
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 1)
        return table();
    const std::string_view first = argv[1];
    if (first == "--json" && argc == 2) {
        write_catalogue_json(std::cout);
        return std::cout ? 0 : 1;
    }
    if (first == "--solution" && argc == 3) {
        if (!level_or_complain(argv[2]))
            return 1;
        std::cout << stored_solution(argv[2]) << '\n';
        return 0;
    }
    if (first == "--level" && argc == 3)
        return one_level(argv[2]);
    if (first == "--picture" && (argc == 3 || (argc == 4 && std::string_view(argv[3]) == "--show")))
        return picture(argv[2], argc == 4);
    const char* solutions_path = nullptr;
    const char* docs_path = nullptr;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string_view option = argv[i];
        if (option == "--write-solutions")
            solutions_path = argv[i + 1];
        else if (option == "--write-docs")
            docs_path = argv[i + 1];
        else
            return usage();
    }
    if ((argc - 1) % 2 != 0 || (!solutions_path && !docs_path))
        return usage();
    return regenerate(solutions_path, docs_path);
}
