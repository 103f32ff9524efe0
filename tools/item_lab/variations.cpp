#include "variations.hpp"

#include "game/level_play.hpp"
#include "item_report.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <set>

namespace coilwend {
namespace {

constexpr double kRejected = -1e9;

std::size_t pick(std::mt19937_64& rng, std::size_t n) {
    return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng);
}

bool contains(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

Pos random_cell(const Puzzle& p, std::mt19937_64& rng) {
    return {wrap8(static_cast<int>(pick(rng, p.width))),
            wrap8(static_cast<int>(pick(rng, p.height)))};
}

void toggle(std::vector<Pos>& cells, Pos c) {
    const auto at = std::find(cells.begin(), cells.end(), c);
    if (at == cells.end())
        cells.push_back(c);
    else
        cells.erase(at);
}

// Walls, water and items are kept in reading order so that equal boards compare equal.
void sort_cells(std::vector<Pos>& cells) {
    std::sort(cells.begin(), cells.end(),
              [](Pos a, Pos b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
}

} // namespace

bool keeps_invariants(const Puzzle& p) {
    std::set<std::pair<int, int>> taken;
    for (const Snake& s : p.snakes) {
        if (s.cells.size() < 2)
            return false;
        for (std::size_t i = 0; i < s.cells.size(); ++i) {
            const Pos c = s.cells[i];
            if (!on_board(p, c) || is_wall(p, c) || (s.companion && is_water(p, c)) ||
                !taken.insert({c.x, c.y}).second)
                return false;
            if (i > 0 && !are_neighbours(c, s.cells[i - 1]))
                return false;
        }
    }
    std::set<std::pair<int, int>> items;
    for (const Item& item : p.items)
        if (!on_board(p, item.pos) || is_wall(p, item.pos) ||
            !items.insert({item.pos.x, item.pos.y}).second)
            return false;
    for (const Pos w : p.water)
        if (is_wall(p, w))
            return false;
    return on_board(p, p.exit) && !is_wall(p, p.exit) && !is_complete(p);
}

Puzzle vary(const Puzzle& from, const VariationGoals& goals, std::mt19937_64& rng) {
    for (int attempt = 0; attempt < 50; ++attempt) {
        Puzzle p = from;
        switch (pick(rng, 8)) {
        case 0:
        case 1: { // a wall more or less
            if (goals.walls_may_change == WallsMayChange::No)
                continue;
            const Pos c = random_cell(p, rng);
            if (!contains(p.walls, c) && p.walls.size() >= goals.max_walls)
                continue;
            toggle(p.walls, c);
            sort_cells(p.walls);
            break;
        }
        case 2: { // an item elsewhere
            if (p.items.empty())
                continue;
            p.items[pick(rng, p.items.size())].pos = random_cell(p, rng);
            break;
        }
        case 3: { // an item of the other kind
            if (p.items.empty() || goals.kinds_may_change == KindsMayChange::No)
                continue;
            Item& item = p.items[pick(rng, p.items.size())];
            item.kind = item.kind == ItemKind::Grow ? ItemKind::Shrink : ItemKind::Grow;
            break;
        }
        case 4:
            p.exit = random_cell(p, rng);
            break;
        case 5: { // a water cell moves
            if (goals.water_may_change == WaterMayChange::No || p.water.empty())
                continue;
            p.water[pick(rng, p.water.size())] = random_cell(p, rng);
            sort_cells(p.water);
            break;
        }
        case 6: { // a snake turns round
            Snake& s = p.snakes[pick(rng, p.snakes.size())];
            std::reverse(s.cells.begin(), s.cells.end());
            break;
        }
        default: { // a snake crawls a few cells, over items without eating them
            const std::size_t s = pick(rng, p.snakes.size());
            Puzzle bare = p;
            bare.items.clear();
            const std::size_t steps = 1 + pick(rng, 3);
            for (std::size_t k = 0; k < steps; ++k) {
                const Direction d = std::array{kUp, kDown, kLeft, kRight}[pick(rng, 4)];
                if (auto moved = apply_move(bare, s, false, d))
                    bare.snakes = moved->puzzle.snakes;
            }
            p.snakes = bare.snakes;
            break;
        }
        }
        std::sort(p.items.begin(), p.items.end(), [](const Item& a, const Item& b) {
            return a.pos.y != b.pos.y ? a.pos.y < b.pos.y : a.pos.x < b.pos.x;
        });
        // Proposals keep items clear of snakes: an item under a body is a
        // special effect a designer places on purpose.
        const bool item_under_snake =
            std::any_of(p.items.begin(), p.items.end(), [&](const Item& i) {
                return std::any_of(p.snakes.begin(), p.snakes.end(),
                                   [&](const Snake& s) { return contains(s.cells, i.pos); });
            });
        if (!(p == from) && !item_under_snake && keeps_invariants(p))
            return p;
    }
    return from;
}

double proposal_score(const Puzzle& puzzle, const SolveReport& r, const VariationGoals& goals) {
    if (!r.solvable || r.gave_up)
        return kRejected;
    const auto moves = static_cast<double>(r.moves.size());
    if (r.moves.size() < goals.min_moves)
        return moves - 1000.0;
    const double length = std::min(moves, static_cast<double>(goals.max_moves)) -
                          2.0 * std::max(0.0, moves - static_cast<double>(goals.max_moves));
    const double first_dead =
        r.first_moves ? static_cast<double>(r.first_moves_dead) / static_cast<double>(r.first_moves)
                      : 0.0;
    const double dead_share =
        r.reachable ? static_cast<double>(r.dead) / static_cast<double>(r.reachable) : 0.0;
    // Every wall must earn its place; a huge space is length without insight.
    const double clutter = 0.4 * static_cast<double>(puzzle.walls.size()) +
                           0.1 * std::log2(1.0 + static_cast<double>(r.reachable));
    return length + 6.0 * first_dead + 6.0 * dead_share - clutter;
}

std::vector<Proposal> search_variations(const Puzzle& start, const VariationGoals& goals,
                                        const VariationRun& run) {
    std::mt19937_64 rng(run.seed);
    const SolveLimits limits{goals.max_positions};
    auto evaluate = [&](const Puzzle& p) {
        Proposal proposal{p, solve(p, limits), 0.0};
        proposal.score = proposal_score(p, proposal.report, goals);
        if (proposal.score > kRejected) {
            const auto eaten = items_eaten(p, proposal.report.moves);
            if (goals.solution_eats_all == SolutionEatsAll::Yes)
                proposal.score -= 8.0 * static_cast<double>(p.items.size() - eaten.size());
            if (goals.solution_eats_all == SolutionEatsAll::Nothing)
                proposal.score -= 8.0 * static_cast<double>(eaten.size());
            for (const std::size_t vanisher : goals.vanishers)
                if (std::none_of(eaten.begin(), eaten.end(), [&](const EatenOnTheWay& e) {
                        return e.snake == vanisher && e.vanished;
                    }))
                    proposal.score -= 8.0;
            for (const std::size_t eater : goals.eaters)
                if (std::none_of(eaten.begin(), eaten.end(),
                                 [&](const EatenOnTheWay& e) { return e.snake == eater; }))
                    proposal.score -= 8.0;
        }
        // The costly check last, and only for boards worth keeping.
        if (proposal.score > kRejected && goals.items_must_matter == ItemsMustMatter::Yes) {
            const ItemReport items = analyse_items(p, limits);
            for (const WithoutItem& w : items.without)
                if (!item_matters(proposal.report, w))
                    proposal.score -= 8.0;
        }
        return proposal;
    };
    std::vector<Proposal> best;
    auto remember = [&](const Proposal& p) {
        if (p.score <= kRejected / 2)
            return;
        for (const Proposal& b : best)
            if (b.puzzle == p.puzzle)
                return;
        best.push_back(p);
        std::sort(best.begin(), best.end(),
                  [](const Proposal& a, const Proposal& b) { return a.score > b.score; });
        if (best.size() > run.keep)
            best.pop_back();
    };
    const Proposal first = evaluate(start);
    remember(first);
    for (std::size_t restart = 0; restart < run.restarts; ++restart) {
        Proposal current = first;
        double temperature = 1.5;
        for (std::size_t s = 0; s < run.steps; ++s) {
            const Proposal next = evaluate(vary(current.puzzle, goals, rng));
            const double gain = next.score - current.score;
            if (gain >= 0 || std::uniform_real_distribution<double>(0.0, 1.0)(rng) <
                                 std::exp(gain / temperature))
                current = next;
            remember(current);
            temperature = std::max(0.05, temperature * 0.99);
        }
    }
    return best;
}

} // namespace coilwend
