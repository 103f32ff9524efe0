#include "board_lab/board_rules.hpp"

#include "game/level_play.hpp"

#include <algorithm>

namespace coilwend::board_lab {
namespace {

bool snakes_keep_invariants(const Puzzle& p) {
    std::vector<Pos> used;
    for (const Snake& s : p.snakes) {
        if (s.cells.size() < 2)
            return false;
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const Pos c = s.cells[i];
            if (!on_board(p, c) || is_wall(p, c) || contains(used, c) ||
                (s.companion && is_water(p, c)) || (i > 0 && !are_neighbours(c, s.cells[i - 1])))
                return false;
            used.push_back(c);
        }
    }
    return true;
}

bool before(Pos a, Pos b) {
    return a.y != b.y ? a.y < b.y : a.x < b.x;
}

} // namespace

bool contains(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

bool keeps_invariants(const Puzzle& p) {
    if (!on_board(p, p.exit) || is_wall(p, p.exit) || !snakes_keep_invariants(p))
        return false;
    // A picture has one ground mark per cell: a wall cannot also be water.
    for (const Pos w : p.water)
        if (is_wall(p, w))
            return false;
    std::vector<Pos> item_cells;
    for (const Item& i : p.items) {
        if (!on_board(p, i.pos) || is_wall(p, i.pos) || contains(item_cells, i.pos))
            return false;
        item_cells.push_back(i.pos);
    }
    for (const Pos t : p.targets)
        if (!on_board(p, t) || is_wall(p, t))
            return false;
    return !is_complete(p);
}

bool items_clear_of_snakes(const Puzzle& p) {
    return std::none_of(p.items.begin(), p.items.end(), [&](const Item& i) {
        return std::any_of(p.snakes.begin(), p.snakes.end(),
                           [&](const Snake& s) { return contains(s.cells, i.pos); });
    });
}

Puzzle canonical(Puzzle p) {
    std::sort(p.walls.begin(), p.walls.end(), before);
    std::sort(p.water.begin(), p.water.end(), before);
    std::sort(p.targets.begin(), p.targets.end(), before);
    std::sort(p.items.begin(), p.items.end(),
              [](const Item& a, const Item& b) { return before(a.pos, b.pos); });
    return p;
}

} // namespace coilwend::board_lab
