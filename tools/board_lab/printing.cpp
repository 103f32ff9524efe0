#include "printing.hpp"

#include "board_lab/position_view.hpp"
#include "board_lab/solution_walk.hpp"
#include "levels/board_writer.hpp"
#include "levels/solution_letters.hpp"

#include <cstdio>
#include <sstream>

namespace coilwend::board_lab {
namespace {

std::vector<std::string> rows_of(const std::string& text) {
    std::istringstream lines(text);
    std::vector<std::string> rows;
    for (std::string row; std::getline(lines, row);)
        rows.push_back(row);
    return rows;
}

std::string extras(const Scored& s) {
    std::string out;
    if (s.dry_moves)
        out += "  dry " + std::to_string(*s.dry_moves);
    if (s.moves_without_targets)
        out += "  without targets " + std::to_string(*s.moves_without_targets);
    return out;
}

} // namespace

std::string figures(const SolveReport& r) {
    char line[200];
    if (!r.solvable) {
        std::snprintf(line, sizeof line, "%s, reachable %zu", r.gave_up ? "too big" : "UNSOLVABLE",
                      r.reachable);
        return line;
    }
    std::snprintf(line, sizeof line,
                  "moves %zu  reachable %zu  dead %zu  first moves %zu (%zu dead)  traps %zu  "
                  "%.2fs",
                  r.moves.size(), r.reachable, r.dead, r.first_moves, r.first_moves_dead,
                  r.traps_on_path, r.seconds);
    return line;
}

void print_board(std::string_view name, const Puzzle& puzzle, const SolveReport& r) {
    std::printf("== %s  %dx%d\n%s%s\n", std::string(name).c_str(), puzzle.width, puzzle.height,
                board_picture(puzzle).c_str(), figures(r).c_str());
    if (r.solvable)
        std::printf("solution: %s\n", solution_letters(puzzle, r.moves).c_str());
}

void print_proposal(std::string_view name, std::size_t rank, const Scored& p) {
    std::printf("= %s #%zu\n%s// score %.2f  %s%s\n// solution: %s\n\n", std::string(name).c_str(),
                rank, board_picture(p.puzzle).c_str(), p.score, figures(p.report).c_str(),
                extras(p).c_str(), solution_letters(p.puzzle, p.report.moves).c_str());
}

void print_progress(const Scored& best) {
    std::fprintf(stderr, "best so far: score %.2f  %s\n%s\n", best.score,
                 figures(best.report).c_str(), board_picture(best.puzzle).c_str());
}

void print_trace(const Puzzle& start, const std::vector<SolverMove>& moves) {
    const std::vector<Puzzle> positions = replay(start, moves);
    constexpr std::size_t kPerRow = 8;
    const std::size_t width = static_cast<std::size_t>(start.width) + 3;
    for (std::size_t first = 0; first < positions.size(); first += kPerRow) {
        const std::size_t last = std::min(positions.size(), first + kPerRow);
        std::string labels;
        for (std::size_t i = first; i < last; ++i) {
            std::string label = std::to_string(i);
            label.resize(width, ' ');
            labels += label;
        }
        std::printf("%s\n", labels.c_str());
        std::vector<std::vector<std::string>> views;
        for (std::size_t i = first; i < last; ++i)
            views.push_back(rows_of(position_view(positions[i])));
        for (std::size_t r = 0; r < views[0].size(); ++r) {
            std::string line;
            for (const auto& view : views)
                line += view[r] + "   ";
            std::printf("%s\n", line.c_str());
        }
        std::printf("\n");
    }
}

} // namespace coilwend::board_lab
