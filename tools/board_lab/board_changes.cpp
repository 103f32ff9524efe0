#include "board_lab/board_changes.hpp"

#include "board_lab/board_rules.hpp"
#include "board_lab/random_board.hpp"
#include "game/level_play.hpp"

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

namespace coilwend::board_lab {
namespace {

constexpr std::array<Direction, 4> kDirections{kUp, kDown, kLeft, kRight};

enum class Ground { Floor, Wall, Water };

std::string cell_name(Pos p) {
    char text[16];
    std::snprintf(text, sizeof text, "(%d,%d)", p.x, p.y);
    return text;
}

Ground ground_at(const Puzzle& puzzle, Pos p) {
    if (is_wall(puzzle, p))
        return Ground::Wall;
    return is_water(puzzle, p) ? Ground::Water : Ground::Floor;
}

const char* ground_name(Ground g) {
    return g == Ground::Wall ? "wall" : g == Ground::Water ? "water" : "floor";
}

bool ground_may_change(const ChangeRules& rules, Ground from, Ground to) {
    const auto touches = [&](Ground g) { return from == g || to == g; };
    return from != to && (!touches(Ground::Wall) || rules.walls) &&
           (!touches(Ground::Water) || rules.water);
}

Puzzle with_ground(const Puzzle& puzzle, Pos p, Ground g) {
    Puzzle out = puzzle;
    std::erase(out.walls, p);
    std::erase(out.water, p);
    if (g == Ground::Wall)
        out.walls.push_back(p);
    if (g == Ground::Water)
        out.water.push_back(p);
    return out;
}

void toggle(std::vector<Pos>& cells, Pos c) {
    if (contains(cells, c))
        std::erase(cells, c);
    else
        cells.push_back(c);
}

std::size_t items_under_snakes(const Puzzle& p) {
    return static_cast<std::size_t>(
        std::count_if(p.items.begin(), p.items.end(), [&](const Item& i) {
            return std::any_of(p.snakes.begin(), p.snakes.end(),
                               [&](const Snake& s) { return contains(s.cells, i.pos); });
        }));
}

bool fits(const Puzzle& changed, const Puzzle& from, const ChangeRules& rules) {
    return !(changed == from) && keeps_invariants(changed) &&
           items_under_snakes(changed) <= items_under_snakes(from) &&
           (changed.walls.size() <= from.walls.size() || changed.walls.size() <= rules.max_walls);
}

bool redraw(Puzzle& p, std::size_t s, std::mt19937_64& rng) {
    Puzzle rest = p;
    rest.snakes[s].cells.clear();
    const auto cells =
        random_snake_cells(rest, p.snakes[s].cells.size(), p.snakes[s].companion, rng);
    if (cells)
        p.snakes[s].cells = *cells;
    return cells.has_value();
}

// A few legal steps of one snake end, sliding over items without eating them.
void slide(Puzzle& p, std::size_t s, std::mt19937_64& rng) {
    Puzzle bare = p;
    bare.items.clear();
    const bool front = p.snakes[s].two_headed && pick(rng, 2) == 1;
    for (std::size_t k = 1 + pick(rng, 3); k > 0; --k)
        if (auto moved = apply_move(bare, s, front, kDirections[pick(rng, 4)]))
            bare.snakes = moved->puzzle.snakes;
    p.snakes = bare.snakes;
}

bool change_snake(Puzzle& p, const ChangeRules& rules, std::mt19937_64& rng) {
    if (rules.backwards) {
        for (std::size_t steps = 1 + pick(rng, 3); steps > 0; --steps)
            p = step_back(p, rng);
        return true;
    }
    const std::size_t s = pick(rng, p.snakes.size());
    switch (pick(rng, 3)) {
    case 0:
        return redraw(p, s, rng);
    case 1:
        std::reverse(p.snakes[s].cells.begin(), p.snakes[s].cells.end());
        return true;
    default:
        slide(p, s, rng);
        return true;
    }
}

bool change_length(Puzzle& p, const ChangeRules& rules, std::mt19937_64& rng) {
    auto& cells = p.snakes[pick(rng, p.snakes.size())].cells;
    if (pick(rng, 2) == 0) {
        cells.erase(cells.begin());
        return true;
    }
    if (rules.max_length != 0 && cells.size() >= rules.max_length)
        return false;
    cells.insert(cells.begin(), step(cells.front(), kDirections[pick(rng, 4)]));
    return true;
}

using Change = std::function<bool(Puzzle&)>;

std::vector<Change> allowed_changes(const ChangeRules& rules, std::mt19937_64& rng) {
    std::vector<Change> out;
    if (rules.backwards)
        return {[&](Puzzle& p) { return change_snake(p, rules, rng); }};
    if (rules.walls)
        out.push_back([&](Puzzle& p) {
            toggle(p.walls, random_cell(p, rng));
            return true;
        });
    if (rules.water)
        out.push_back([&](Puzzle& p) {
            toggle(p.water, random_cell(p, rng));
            return true;
        });
    if (rules.exit && !rules.exit_on_first_snake)
        out.push_back([&](Puzzle& p) {
            p.exit = random_cell(p, rng);
            return true;
        });
    if (rules.items)
        out.push_back([&](Puzzle& p) {
            if (p.items.empty())
                return false;
            p.items[pick(rng, p.items.size())].pos = random_cell(p, rng);
            return true;
        });
    if (rules.item_kinds)
        out.push_back([&](Puzzle& p) {
            if (p.items.empty())
                return false;
            Item& item = p.items[pick(rng, p.items.size())];
            item.kind = item.kind == ItemKind::Grow ? ItemKind::Shrink : ItemKind::Grow;
            return true;
        });
    if (rules.targets)
        out.push_back([&](Puzzle& p) {
            if (p.targets.empty())
                return false;
            p.targets[pick(rng, p.targets.size())] = random_cell(p, rng);
            return true;
        });
    if (rules.snakes)
        out.push_back([&](Puzzle& p) { return change_snake(p, rules, rng); });
    if (rules.lengths)
        out.push_back([&](Puzzle& p) { return change_length(p, rules, rng); });
    return out;
}

} // namespace

bool allow_change(ChangeRules& rules, std::string_view kind, bool allowed) {
    const std::array<std::pair<std::string_view, bool*>, 9> kinds{{
        {"walls", &rules.walls},
        {"water", &rules.water},
        {"exit", &rules.exit},
        {"items", &rules.items},
        {"kinds", &rules.item_kinds},
        {"targets", &rules.targets},
        {"snakes", &rules.snakes},
        {"lengths", &rules.lengths},
        {"backwards", &rules.backwards},
    }};
    for (const auto& [name, flag] : kinds)
        if (name == kind) {
            *flag = allowed;
            return true;
        }
    return false;
}

std::vector<Variant> single_changes(const Puzzle& draft, const ChangeRules& rules) {
    std::vector<Variant> out;
    auto offer = [&](std::string change, Puzzle puzzle) {
        if (fits(puzzle, draft, rules))
            out.push_back({std::move(change), std::move(puzzle)});
    };
    for (int y = 0; y < draft.height; ++y)
        for (int x = 0; x < draft.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            const Ground now = ground_at(draft, p);
            for (const Ground g : {Ground::Floor, Ground::Wall, Ground::Water})
                if (ground_may_change(rules, now, g))
                    offer(std::string(ground_name(g)) + " at " + cell_name(p),
                          with_ground(draft, p, g));
            if (rules.exit && !(p == draft.exit)) {
                Puzzle moved = draft;
                moved.exit = p;
                offer("exit at " + cell_name(p), moved);
            }
        }
    for (std::size_t s = 0; s < draft.snakes.size(); ++s) {
        const auto& cells = draft.snakes[s].cells;
        const std::string who(1, static_cast<char>('a' + s));
        if (rules.snakes) {
            Puzzle reversed = draft;
            std::reverse(reversed.snakes[s].cells.begin(), reversed.snakes[s].cells.end());
            offer("snake " + who + " reversed", reversed);
            for (const Direction d : kDirections) {
                const Pos to = step(cells.back(), d);
                if (!can_move(draft, to, s, false))
                    continue;
                Puzzle moved = draft;
                moved.snakes[s].cells = moved_cells(cells, to, false, std::nullopt);
                offer("snake " + who + " steps", moved);
            }
        }
        if (!rules.lengths)
            continue;
        Puzzle shorter = draft;
        shorter.snakes[s].cells.erase(shorter.snakes[s].cells.begin());
        offer("snake " + who + " one shorter", shorter);
        for (const Direction d : kDirections) {
            if (rules.max_length != 0 && cells.size() >= rules.max_length)
                break;
            Puzzle longer = draft;
            auto& c = longer.snakes[s].cells;
            c.insert(c.begin(), step(cells.front(), d));
            offer("snake " + who + " one longer", longer);
        }
    }
    return out;
}

Puzzle random_change(const Puzzle& from, const ChangeRules& rules, std::mt19937_64& rng) {
    const std::vector<Change> changes = allowed_changes(rules, rng);
    if (changes.empty() || from.snakes.empty())
        return from;
    for (int attempt = 0; attempt < 50; ++attempt) {
        Puzzle p = from;
        if (!changes[pick(rng, changes.size())](p))
            continue;
        if (rules.exit_on_first_snake)
            p.exit = p.snakes[0].cells.back();
        if (fits(p, from, rules))
            return p;
    }
    return from;
}

Puzzle step_back(const Puzzle& puzzle, std::mt19937_64& rng) {
    struct BackStep {
        std::size_t snake = 0;
        bool front = false;
        Direction direction;
    };
    // Without items the tail can never eat on its way back.
    Puzzle bare = puzzle;
    bare.items.clear();
    std::vector<BackStep> steps;
    for (std::size_t s = 0; s < bare.snakes.size(); ++s) {
        const Snake& snake = bare.snakes[s];
        if (snake.cells.size() < 2)
            continue;
        for (const bool front : {true, false}) {
            if (!front && !snake.two_headed)
                continue;
            for (const Direction d : kDirections)
                if (can_move(bare, step(leading_cell(snake, front), d), s, front))
                    steps.push_back({s, front, d});
        }
    }
    if (steps.empty())
        return puzzle;
    const BackStep chosen = steps[pick(rng, steps.size())];
    Puzzle back = puzzle;
    back.snakes = apply_move(bare, chosen.snake, chosen.front, chosen.direction)->puzzle.snakes;
    return back;
}

} // namespace coilwend::board_lab
