// coilwend-board-search: proposes boards for a mechanic and ranks them.
//
//   coilwend-board-search --size 5x4 --snake 3 --companion 4 --walls 2 --max-walls 4
//                         [--two-headed 3] [--water N] [--grow N] [--shrink N] [--targets N]
//                         [--setting S] [--min-moves N] [--max-moves N] [--restarts N]
//                         [--steps N] [--keep N] [--seed N] [--from ID] [--reunion-walls]
//                         [--from-picture FILE] [--changes weiatsm] [--max-positions N]
//
// Every proposal is printed as a board picture with its figures; a designer
// looks at each one and keeps only a board with one key idea and real traps.

#include "board_search.hpp"

#include "levels/board_parser.hpp"
#include "levels/board_writer.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>

using namespace coilwend;

namespace {

int usage() {
    std::cerr << "usage: coilwend-board-search --size WxH --snake LEN [--companion LEN] "
                 "[--two-headed LEN] [--walls N] [--max-walls N] [--water N] [--grow N] "
                 "[--shrink N] [--targets N] [--setting S] [--min-moves N] [--max-moves N] "
                 "[--restarts N] [--steps N] [--keep N] [--seed N] [--from ID] [--reunion-walls] "
                 "[--from-picture FILE] [--changes weiatsm] [--max-positions N]\n";
    return 2;
}

std::size_t number(const char* text) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
}

} // namespace

int main(int argc, char** argv) {
    SearchShape shape;
    SearchGoals goals;
    SearchRun run;
    std::optional<Puzzle> start;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--reunion-walls") {
            shape.fixed_walls = {{0, 2}, {1, 2}, {2, 1}, {6, 0}, {6, 1}, {7, 2},
                                 {4, 4}, {5, 4}, {6, 4}, {7, 4}, {7, 5}};
            shape.reunion_regions = true;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        const char* value = argv[++i];
        if (option == "--size") {
            unsigned w = 0, h = 0;
            if (std::sscanf(value, "%ux%u", &w, &h) != 2)
                return usage();
            shape.width = static_cast<std::uint8_t>(w);
            shape.height = static_cast<std::uint8_t>(h);
        } else if (option == "--snake") {
            shape.snakes.push_back({number(value), false, false});
        } else if (option == "--companion") {
            shape.snakes.push_back({number(value), true, false});
        } else if (option == "--two-headed") {
            shape.snakes.push_back({number(value), false, true});
        } else if (option == "--walls") {
            shape.walls = number(value);
            shape.max_walls = std::max(shape.max_walls, shape.walls);
        } else if (option == "--max-walls") {
            shape.max_walls = number(value);
        } else if (option == "--water") {
            shape.water = number(value);
        } else if (option == "--grow") {
            shape.grow = number(value);
        } else if (option == "--shrink") {
            shape.shrink = number(value);
        } else if (option == "--targets") {
            shape.targets = number(value);
        } else if (option == "--setting") {
            shape.setting = static_cast<std::uint8_t>(number(value));
        } else if (option == "--min-moves") {
            goals.min_moves = number(value);
        } else if (option == "--max-moves") {
            goals.max_moves = number(value);
        } else if (option == "--restarts") {
            run.restarts = number(value);
        } else if (option == "--steps") {
            run.steps = number(value);
        } else if (option == "--keep") {
            run.keep = number(value);
        } else if (option == "--seed") {
            run.seed = number(value);
        } else if (option == "--changes") {
            shape.changes = value;
        } else if (option == "--from-picture") {
            std::ifstream in(value);
            const std::string text((std::istreambuf_iterator<char>(in)), {});
            const auto parsed = parse_board(BoardText{"draft.rs", "Draft", 0, text, value, 1});
            if (!parsed.level) {
                std::cerr << parsed.error << '\n';
                return 1;
            }
            start = parsed.level->puzzle;
            shape.max_walls = std::max(shape.max_walls, start->walls.size());
        } else if (option == "--max-positions") {
            goals.max_positions = number(value);
        } else if (option == "--from") {
            start = find_level(value).puzzle;
            shape.max_walls = std::max(shape.max_walls, start->walls.size() + 2);
        } else {
            return usage();
        }
    }
    if (!start && shape.snakes.empty())
        return usage();
    const auto found = search_boards(shape, goals, run, start);
    for (const Candidate& c : found) {
        const SolveReport& r = c.report;
        std::printf("score %.2f  moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  "
                    "traps on path %zu\n",
                    c.score, r.moves.size(), r.reachable, r.dead, r.first_moves, r.first_moves_dead,
                    r.traps_on_path);
        std::printf("%s", board_picture(c.puzzle).c_str());
        std::printf("solution: %s\n\n", solution_letters(c.puzzle, r.moves).c_str());
    }
    return found.empty() ? 1 : 0;
}
