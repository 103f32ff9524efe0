#include "probes.hpp"

#include "game/level_play.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace coilwend {
namespace {

constexpr std::array<Direction, 4> kSteps{kUp, kDown, kLeft, kRight};

bool listed(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

void drop(std::vector<Pos>& cells, Pos p) {
    cells.erase(std::remove(cells.begin(), cells.end(), p), cells.end());
}

std::string cell_name(Pos p) {
    char text[16];
    std::snprintf(text, sizeof text, "(%d,%d)", p.x, p.y);
    return text;
}

enum class Ground { Floor, Wall, Water };

Ground ground_at(const Puzzle& puzzle, Pos p) {
    if (listed(puzzle.walls, p))
        return Ground::Wall;
    return listed(puzzle.water, p) ? Ground::Water : Ground::Floor;
}

const char* ground_name(Ground g) {
    switch (g) {
    case Ground::Wall:
        return "wall";
    case Ground::Water:
        return "water";
    case Ground::Floor:
        break;
    }
    return "floor";
}

Puzzle with_ground(const Puzzle& puzzle, Pos p, Ground g) {
    Puzzle out = puzzle;
    drop(out.walls, p);
    drop(out.water, p);
    if (g == Ground::Wall)
        out.walls.push_back(p);
    if (g == Ground::Water)
        out.water.push_back(p);
    return out;
}

} // namespace

bool keeps_invariants(const Puzzle& puzzle) {
    std::vector<Pos> used;
    for (const Snake& snake : puzzle.snakes) {
        if (snake.cells.size() < 2)
            return false;
        for (std::size_t c = 0; c < snake.cells.size(); ++c) {
            const Pos p = snake.cells[c];
            if (!on_board(puzzle, p) || listed(used, p) || is_wall(puzzle, p) ||
                (snake.companion && is_water(puzzle, p)))
                return false;
            if (c > 0 && !are_neighbours(p, snake.cells[c - 1]))
                return false;
            used.push_back(p);
        }
    }
    for (const Item& item : puzzle.items)
        if (is_wall(puzzle, item.pos))
            return false;
    return on_board(puzzle, puzzle.exit) && !is_wall(puzzle, puzzle.exit) && !is_complete(puzzle);
}

std::vector<Variant> removal_variants(const Puzzle& draft) {
    std::vector<Variant> out;
    for (const Pos wall : draft.walls)
        out.push_back({"no wall at " + cell_name(wall), with_ground(draft, wall, Ground::Floor)});
    for (const Pos water : draft.water)
        out.push_back(
            {"no water at " + cell_name(water), with_ground(draft, water, Ground::Floor)});
    if (draft.water.size() > 1) {
        Puzzle dry = draft;
        dry.water.clear();
        out.push_back({"no water at all", dry});
    }
    for (std::size_t s = 0; s < draft.snakes.size(); ++s) {
        if (!draft.snakes[s].companion)
            continue;
        Puzzle fewer = draft;
        fewer.snakes.erase(fewer.snakes.begin() + static_cast<std::ptrdiff_t>(s));
        out.push_back({"no companion " + std::string(1, static_cast<char>('a' + s)), fewer});
    }
    return out;
}

std::vector<Variant> single_changes(const Puzzle& draft, ChangeKinds kinds) {
    std::vector<Variant> out;
    auto offer = [&](std::string change, Puzzle puzzle) {
        if (keeps_invariants(puzzle))
            out.push_back({std::move(change), std::move(puzzle)});
    };
    for (int y = 0; y < draft.height; ++y)
        for (int x = 0; x < draft.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            const Ground now = ground_at(draft, p);
            for (const Ground g : {Ground::Floor, Ground::Wall, Ground::Water})
                if (kinds.ground && g != now)
                    offer(std::string(ground_name(g)) + " at " + cell_name(p),
                          with_ground(draft, p, g));
            if (kinds.exit && !(p == draft.exit)) {
                Puzzle moved = draft;
                moved.exit = p;
                offer("exit at " + cell_name(p), moved);
            }
        }
    for (std::size_t s = 0; kinds.snakes && s < draft.snakes.size(); ++s) {
        const auto& cells = draft.snakes[s].cells;
        const std::string who(1, static_cast<char>('a' + s));
        Puzzle reversed = draft;
        std::reverse(reversed.snakes[s].cells.begin(), reversed.snakes[s].cells.end());
        offer("snake " + who + " reversed", reversed);
        for (const Direction d : kSteps) {
            const Pos to = step(cells.back(), d);
            if (!can_move(draft, to, s, false))
                continue;
            Puzzle moved = draft;
            moved.snakes[s].cells = moved_cells(cells, to, false, std::nullopt);
            offer("snake " + who + " steps", moved);
        }
        if (cells.size() > 2) {
            Puzzle shorter = draft;
            auto& c = shorter.snakes[s].cells;
            c.erase(c.begin());
            offer("snake " + who + " one shorter", shorter);
        }
        for (const Direction d : kSteps) {
            Puzzle longer = draft;
            auto& c = longer.snakes[s].cells;
            c.insert(c.begin(), step(cells.front(), d));
            offer("snake " + who + " one longer", longer);
        }
    }
    return out;
}

Puzzle pruned(const Puzzle& draft, SolveLimits limits) {
    Puzzle current = draft;
    SolveReport measured = solve(current, limits);
    if (!measured.solvable)
        return current;
    for (bool removed = true; removed;) {
        removed = false;
        std::vector<Pos> pieces = current.walls;
        pieces.insert(pieces.end(), current.water.begin(), current.water.end());
        for (const Pos piece : pieces) {
            const Puzzle lighter = with_ground(current, piece, Ground::Floor);
            const SolveReport r = solve(lighter, limits);
            if (r.solvable && r.moves.size() >= measured.moves.size() &&
                r.traps_on_path >= measured.traps_on_path) {
                current = lighter;
                measured = r;
                removed = true;
                break;
            }
        }
    }
    return current;
}

double water_score(const SolveReport& report, const SolveReport& dry, std::size_t goal_moves,
                   std::size_t walls) {
    if (!report.solvable || report.gave_up)
        return -1e9;
    const double moves = static_cast<double>(report.moves.size());
    const double goal = static_cast<double>(goal_moves);
    const double length = std::min(moves, goal) - 2.0 * std::max(0.0, moves - goal);
    const double first_dead = report.first_moves == 0
                                  ? 0
                                  : static_cast<double>(report.first_moves_dead) /
                                        static_cast<double>(report.first_moves);
    const double dead_share = static_cast<double>(report.dead) /
                              static_cast<double>(std::max<std::size_t>(1, report.reachable));
    // Water earns its place by making the level longer than it would be dry.
    // A dry search cut short says nothing either way.
    const double dry_moves = dry.solvable ? static_cast<double>(dry.moves.size()) : moves;
    const double gain = std::min(8.0, moves - dry_moves);
    const double idle_water = dry.solvable && gain <= 0 ? 6.0 : 0.0;
    // Traps along the way count for more than length: a long walk is no puzzle.
    const double traps = static_cast<double>(report.traps_on_path);
    const double openness = 0.3 * std::log2(1.0 + static_cast<double>(report.reachable));
    return 0.5 * length + 1.5 * traps + 4.0 * first_dead + 3.0 * dead_share + 0.7 * gain -
           idle_water - openness - 0.25 * static_cast<double>(walls);
}

double candidate_score(const SolveReport& report) {
    if (!report.solvable)
        return -1;
    const double first_dead = report.first_moves == 0
                                  ? 0
                                  : static_cast<double>(report.first_moves_dead) /
                                        static_cast<double>(report.first_moves);
    const double dead_share = static_cast<double>(report.dead) /
                              static_cast<double>(std::max<std::size_t>(1, report.reachable));
    return static_cast<double>(report.moves.size()) + 4 * first_dead + 2 * dead_share;
}

} // namespace coilwend
