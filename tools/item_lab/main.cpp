// coilwend-item-lab: measures draft boards and what their items do.
//
//   coilwend-item-lab FILE [--only ID] [--trace] [--setting S]
//       every draft in FILE (see board_file.hpp): the solver's figures, the
//       items a shortest solution eats, and each item's effect when taken away
//   coilwend-item-lab --level ID [--trace]
//       the same for a level of the catalogue
//   coilwend-item-lab FILE --only ID --search [--steps N] [--seed N] [--keep N]
//                     [--min-moves N] [--max-moves N] [--max-walls N] [--max-positions N]
//                     [--restarts N] [--items-free] [--keep-kinds] [--eat-all]
//                     [--eat-none] [--eater LETTER]... [--vanish LETTER]... [--water]
//                     [--keep-walls]
//       proposes variations of one draft, best first, as pictures to paste
//
// --trace draws every position of the shortest solution.

#include "board_file.hpp"
#include "item_report.hpp"
#include "position_view.hpp"
#include "variations.hpp"

#include "levels/board_writer.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

using namespace coilwend;

namespace {

int usage() {
    std::cerr << "usage: coilwend-item-lab FILE [--only ID] [--trace] [--setting S]\n"
                 "       coilwend-item-lab --level ID [--trace]\n"
                 "       coilwend-item-lab FILE --only ID --search [--steps N] [--seed N] "
                 "[--keep N] [--min-moves N] [--max-moves N] [--max-walls N] [--max-positions N] "
                 "[--restarts N] "
                 "[--items-free] [--keep-kinds] [--eat-all] [--eat-none] [--eater LETTER]... "
                 "[--vanish LETTER]... [--keep-walls] "
                 "[--water]\n";
    return 2;
}

std::size_t number(const char* text) {
    return static_cast<std::size_t>(std::strtoull(text, nullptr, 10));
}

const char* kind_name(ItemKind kind) {
    return kind == ItemKind::Grow ? "grow" : "shrink";
}

// Positions side by side, a few to a row, so a whole solution fits on a screen.
void print_trace(const Puzzle& start, const std::vector<SolverMove>& moves) {
    const std::vector<Puzzle> positions = replay(start, moves);
    constexpr std::size_t kPerRow = 8;
    for (std::size_t first = 0; first < positions.size(); first += kPerRow) {
        const std::size_t last = std::min(positions.size(), first + kPerRow);
        std::vector<std::vector<std::string>> views;
        for (std::size_t i = first; i < last; ++i) {
            std::istringstream lines(position_view(positions[i]));
            std::vector<std::string> rows;
            for (std::string row; std::getline(lines, row);)
                rows.push_back(row);
            views.push_back(rows);
        }
        std::string labels;
        for (std::size_t i = first; i < last; ++i) {
            std::string label = std::to_string(i);
            label.resize(static_cast<std::size_t>(start.width) + 3, ' ');
            labels += label;
        }
        std::printf("%s\n", labels.c_str());
        for (std::size_t r = 0; r < views[0].size(); ++r) {
            std::string line;
            for (const auto& view : views)
                line += view[r] + "   ";
            std::printf("%s\n", line.c_str());
        }
        std::printf("\n");
    }
}

void print_report(std::string_view id, const Puzzle& puzzle, bool trace, SolveLimits limits) {
    const ItemReport report = analyse_items(puzzle, limits);
    const SolveReport& r = report.solution;
    std::printf("== %s %s  %dx%d\n", std::string(id).c_str(), std::string(puzzle.name).c_str(),
                puzzle.width, puzzle.height);
    if (!r.solvable) {
        std::printf("%s, %zu reachable\n\n", r.gave_up ? "too big" : "UNSOLVABLE", r.reachable);
        return;
    }
    std::printf("moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  traps on the way "
                "%zu\n",
                r.moves.size(), r.reachable, r.dead, r.first_moves, r.first_moves_dead,
                r.traps_on_path);
    std::printf("solution: %s\n", solution_letters(puzzle, r.moves).c_str());
    for (const EatenOnTheWay& e : report.eaten)
        std::printf("  move %zu: snake %c eats %s at (%d,%d)%s\n", e.move + 1,
                    static_cast<char>('A' + e.snake), kind_name(e.item.kind), e.item.pos.x,
                    e.item.pos.y, e.vanished ? " and vanishes" : "");
    for (const WithoutItem& w : report.without) {
        const char* verdict = item_matters(r, w) ? "" : "   <- makes no difference";
        if (w.solvable)
            std::printf("  without %s at (%d,%d): %zu moves, %zu dead%s\n", kind_name(w.item.kind),
                        w.item.pos.x, w.item.pos.y, w.moves, w.dead, verdict);
        else
            std::printf("  without %s at (%d,%d): unsolvable\n", kind_name(w.item.kind),
                        w.item.pos.x, w.item.pos.y);
    }
    if (trace)
        print_trace(puzzle, r.moves);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    std::string file, only, level;
    bool trace = false, search = false;
    std::uint8_t setting = 1;
    VariationGoals goals;
    VariationRun run;
    for (int i = 1; i < argc; ++i) {
        const std::string_view option = argv[i];
        if (option == "--trace") {
            trace = true;
            continue;
        }
        if (option == "--search") {
            search = true;
            continue;
        }
        if (option == "--items-free") {
            goals.items_must_matter = ItemsMustMatter::No;
            continue;
        }
        if (option == "--keep-kinds") {
            goals.kinds_may_change = KindsMayChange::No;
            continue;
        }
        if (option == "--eat-all") {
            goals.solution_eats_all = SolutionEatsAll::Yes;
            continue;
        }
        if (option == "--keep-walls") {
            goals.walls_may_change = WallsMayChange::No;
            continue;
        }
        if (option == "--eat-none") {
            goals.solution_eats_all = SolutionEatsAll::Nothing;
            continue;
        }
        if (option == "--water") {
            goals.water_may_change = WaterMayChange::Yes;
            continue;
        }
        if (!option.starts_with("--")) {
            file = option;
            continue;
        }
        if (i + 1 >= argc)
            return usage();
        const char* value = argv[++i];
        if (option == "--only")
            only = value;
        else if (option == "--level")
            level = value;
        else if (option == "--setting")
            setting = static_cast<std::uint8_t>(number(value));
        else if (option == "--steps")
            run.steps = number(value);
        else if (option == "--seed")
            run.seed = number(value);
        else if (option == "--eater")
            goals.eaters.push_back(static_cast<std::size_t>(std::tolower(value[0]) - 'a'));
        else if (option == "--vanish")
            goals.vanishers.push_back(static_cast<std::size_t>(std::tolower(value[0]) - 'a'));
        else if (option == "--restarts")
            run.restarts = number(value);
        else if (option == "--keep")
            run.keep = number(value);
        else if (option == "--min-moves")
            goals.min_moves = number(value);
        else if (option == "--max-moves")
            goals.max_moves = number(value);
        else if (option == "--max-positions")
            goals.max_positions = number(value);
        else if (option == "--max-walls")
            goals.max_walls = number(value);
        else
            return usage();
    }
    if (!level.empty()) {
        const Level& found = find_level(level);
        print_report(found.id, found.puzzle, trace, {goals.max_positions});
        return 0;
    }
    if (file.empty())
        return usage();
    std::ifstream in(file);
    if (!in) {
        std::cerr << "cannot read " << file << '\n';
        return 1;
    }
    std::stringstream text;
    text << in.rdbuf();
    DraftShelf shelf;
    int status = 0;
    for (const DraftBoard& draft : split_drafts(text.str())) {
        if (!only.empty() && draft.id != only)
            continue;
        std::string error;
        const auto puzzle = shelf.parse(draft, setting, error);
        if (!puzzle) {
            std::printf("== %s: %s\n\n", draft.id.c_str(), error.c_str());
            status = 1;
            continue;
        }
        if (!search) {
            print_report(draft.id, *puzzle, trace, {goals.max_positions});
            continue;
        }
        for (const Proposal& p : search_variations(*puzzle, goals, run)) {
            const SolveReport& r = p.report;
            std::printf("score %.2f  moves %zu  reachable %zu  dead %zu  first moves %zu (%zu "
                        "dead)\n",
                        p.score, r.moves.size(), r.reachable, r.dead, r.first_moves,
                        r.first_moves_dead);
            std::printf("== %s %s\n%s// solution: %s\n\n", draft.id.c_str(), draft.title.c_str(),
                        board_picture(p.puzzle).c_str(),
                        solution_letters(p.puzzle, r.moves).c_str());
        }
    }
    return status;
}
