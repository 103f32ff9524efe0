#include "level_list.hpp"

#include "levels/board_parser.hpp"
#include "levels/boards.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "overworld/catalogue.hpp"

#include <algorithm>
#include <cstdio>
#include <map>

namespace coilwend {
namespace {

std::string thousands(std::size_t n) {
    std::string digits = std::to_string(n);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
        digits.insert(static_cast<std::size_t>(at), 1, ',');
    return digits;
}

struct Area {
    const char* name;
    std::size_t first, last; // overworld orders, inclusive
};

// The overworld is laid out in areas, each teaching one mechanic.
constexpr Area kAreas[] = {
    {"First steps (setting 0)", 0, 24},
    {"Water (setting 2)", 25, 38},
    {"Items (setting 1)", 39, 50},
    {"Targets (setting 4)", 51, 59},
    {"Two-headed snakes (setting 3)", 60, 77},
    {"The final level", 78, 78},
};

std::string md_escape(std::string_view text) {
    std::string out;
    for (const char c : text) {
        if (c == '|' || c == '_' || c == '*')
            out += '\\';
        out += c;
    }
    return out;
}

} // namespace

std::string mechanics_of(const Puzzle& p) {
    std::vector<std::string> parts;
    const auto companions =
        std::count_if(p.snakes.begin(), p.snakes.end(), [](const Snake& s) { return s.companion; });
    const auto own = static_cast<long>(p.snakes.size()) - companions;
    parts.push_back(own == 1 ? "1 snake" : std::to_string(own) + " snakes");
    if (companions)
        parts.push_back(std::to_string(companions) +
                        (companions == 1 ? " companion" : " companions"));
    if (std::any_of(p.snakes.begin(), p.snakes.end(), [](const Snake& s) { return s.two_headed; }))
        parts.push_back("two-headed");
    if (!p.walls.empty())
        parts.push_back("walls");
    if (!p.water.empty())
        parts.push_back("water");
    const auto grow = std::count_if(p.items.begin(), p.items.end(),
                                    [](const Item& i) { return i.kind == ItemKind::Grow; });
    if (grow)
        parts.push_back("grow ×" + std::to_string(grow));
    if (static_cast<std::size_t>(grow) < p.items.size())
        parts.push_back("shrink ×" + std::to_string(p.items.size() - grow));
    if (!p.targets.empty())
        parts.push_back("targets ×" + std::to_string(p.targets.size()));
    std::string text;
    for (const auto& part : parts)
        text += (text.empty() ? "" : ", ") + part;
    return text;
}

void write_solutions_source(std::ostream& out, const std::vector<SolveReport>& reports) {
    const auto& levels = level_definitions();
    out << "// Written by `coilwend-solve --write-solutions`; regenerate rather than edit.\n\n"
           "#include \"levels/solutions.hpp\"\n\n#include <array>\n#include <utility>\n\n"
           "namespace coilwend {\nnamespace {\n\n"
           "// clang-format off\n"
           "constexpr std::array<std::pair<std::string_view, std::string_view>, "
        << levels.size() << "> kSolutions{{\n";
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const std::string letters =
            reports[i].solvable ? solution_letters(levels[i].puzzle, reports[i].moves) : "";
        out << "    {\"" << levels[i].id << "\", \"" << letters << "\"},\n";
    }
    out << "}};\n// clang-format on\n\n} // namespace\n\n"
           "std::string_view stored_solution(std::string_view id) {\n"
           "    for (const auto& [level, letters] : kSolutions)\n"
           "        if (level == id)\n"
           "            return letters;\n"
           "    return {};\n}\n\n} // namespace coilwend\n";
}

void write_level_list(std::ostream& out, const std::vector<SolveReport>& reports,
                      double total_seconds) {
    const auto& levels = level_definitions();
    std::map<std::string_view, std::size_t> index;
    for (std::size_t i = 0; i < levels.size(); ++i)
        index[levels[i].id] = i;
    auto row = [&](std::string_view order, std::size_t i) {
        const Level& level = levels[i];
        const SolveReport& r = reports[i];
        const BoardText* text = find_board_text(level.id);
        out << "| " << order << " | " << level.id << " | " << md_escape(level_title(level)) << " | "
            << int(level.puzzle.width) << " × " << int(level.puzzle.height) << " | "
            << mechanics_of(level.puzzle) << " | "
            << (r.solvable ? std::to_string(r.moves.size()) : "unsolvable") << " | "
            << thousands(r.reachable) << " | " << thousands(r.dead) << " | "
            << md_escape(text ? board_idea(*text) : "") << " |\n";
    };
    const char* header = "| Order | Id | Title | Size | Mechanics | Moves | Reachable | Dead | "
                         "Key idea |\n|---|---|---|---|---|---|---|---|---|\n";

    out << "# Levels\n\n"
           "Every level of the catalogue with the figures the solver measures "
           "(`coilwend-solve`): the length of a shortest solution in moves (presses of the "
           "next-snake command not counted), the number of positions reachable from the start "
           "and how many of those are dead (the level can no longer be finished from them, so "
           "the player must undo). A position is the snakes' cells and the items left.\n\n"
           "This file and `src/levels/solutions.cpp` are written by "
           "`tools/solver/regenerate.sh`; the key ideas come from the `idea:` line of each "
           "board picture in `src/levels/`.\n\n"
           "Designing a board: draw it in the picture format described at the top of "
           "`src/levels/board_text.hpp` in a scratch file, then `coilwend-solve --picture FILE "
           "--show` solves it and prints the snakes after every move of a shortest solution, "
           "with the number of first moves that lead into dead positions and the traps met "
           "along the way. `coilwend-board-lab` is the designer's workbench for drafts: `measure` "
           "adds the traps met along the shortest solution and what each piece does for the "
           "puzzle when taken away (`--ablate`); `search` proposes candidates for a mechanic (a "
           "board shape and cast, or a drawn start and the kinds of change it may make) ranked "
           "by solution length and traps; `scramble` walks backwards from a drawn finish; "
           "`place-targets` tries every way of adding targets and `rank` orders many drafts. "
           "Every proposal still needs a designer's eye for one key idea. Paste the kept picture "
           "into its area's file, add its `idea:` line and run `tools/solver/regenerate.sh`.\n\n";

    const auto table = build_overworld_table();
    for (const Area& area : kAreas) {
        out << "## " << area.name << "\n\n" << header;
        for (std::size_t order = area.first; order <= area.last; ++order)
            row(std::to_string(order), index.at(table[order].id));
        out << '\n';
    }
    out << "## Built but never offered\n\n" << header;
    for (const std::string_view id : unplaced_level_ids())
        row("–", index.at(id));

    // The measured targets the catalogue is designed to.
    auto moves_of = [&](std::string_view id) {
        const auto& r = reports[index.at(id)];
        return r.solvable ? static_cast<long>(r.moves.size()) : -1L;
    };
    std::size_t long_levels = 0, placed_with_dead = 0;
    for (std::size_t i = 0; i < levels.size(); ++i)
        long_levels += reports[i].solvable && reports[i].moves.size() >= 25 ? 1 : 0;
    for (const auto& entry : table)
        placed_with_dead += reports[index.at(entry.id)].dead > 0 ? 1 : 0;
    out << "\n## Measured against the design targets\n\n";
    out << "- First level \"38.rs\": " << moves_of("38.rs") << " moves (at most 8).\n";
    out << "- Each area's first level (at most 12) and last two levels (at least 30):\n";
    for (const Area& area : kAreas) {
        if (area.first == area.last)
            continue;
        out << "  - " << area.name << ": first " << table[area.first].id << " "
            << moves_of(table[area.first].id) << "; last two " << table[area.last - 1].id << " "
            << moves_of(table[area.last - 1].id) << ", " << table[area.last].id << " "
            << moves_of(table[area.last].id) << ".\n";
    }
    out << "- Levels of 25 moves or more: " << long_levels << " (at least 20).\n";
    out << "- Final level \"89.rs\": " << moves_of("89.rs") << " moves (at least 40).\n";
    out << "- Placed levels with dead states: " << placed_with_dead << " of " << table.size()
        << " (at least 60).\n";
    // Rounded up to ten seconds so that the file only changes when the boards do.
    const long bound = 10 * (static_cast<long>(total_seconds) / 10 + 1);
    out << "- Solving the whole catalogue takes under " << bound
        << " s on the 2-core build machine (two solver threads).\n";
}

} // namespace coilwend
