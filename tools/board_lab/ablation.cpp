#include "board_lab/ablation.hpp"

#include "board_lab/solve_all.hpp"

#include <algorithm>

namespace coilwend::board_lab {
namespace {

std::string cell_name(Pos p) {
    // Appended piece by piece: "(" + std::to_string(...) trips a false -Wrestrict in GCC 12.
    std::string name = "(";
    name += std::to_string(p.x);
    name += ", ";
    name += std::to_string(p.y);
    name += ")";
    return name;
}

char snake_letter(const Puzzle& puzzle, std::size_t s) {
    return static_cast<char>((puzzle.snakes[s].companion ? 'a' : 'A') + s);
}

template <typename T> std::vector<T> without(const std::vector<T>& list, std::size_t index) {
    std::vector<T> out = list;
    out.erase(out.begin() + static_cast<std::ptrdiff_t>(index));
    return out;
}

bool has_player_snake(const Puzzle& puzzle) {
    return std::any_of(puzzle.snakes.begin(), puzzle.snakes.end(),
                       [](const Snake& s) { return !s.companion && !s.cells.empty(); });
}

void add_one_head_variants(const Puzzle& board, std::vector<Removal>& out) {
    for (std::size_t s = 0; s < board.snakes.size(); ++s) {
        if (!board.snakes[s].two_headed)
            continue;
        for (const bool reversed : {false, true}) {
            Puzzle p = board;
            p.snakes[s].two_headed = false;
            if (reversed)
                std::reverse(p.snakes[s].cells.begin(), p.snakes[s].cells.end());
            out.push_back({PieceKind::OneHead,
                           std::string("one head for ") + snake_letter(board, s) +
                               (reversed ? ", first cell leading" : ", last cell leading"),
                           p});
        }
    }
}

std::vector<Ablation> measure(const std::vector<Removal>& list, SolveLimits limits,
                              unsigned threads) {
    std::vector<Puzzle> unfinished;
    for (const Removal& r : list)
        if (!is_complete(r.puzzle))
            unfinished.push_back(r.puzzle);
    const std::vector<SolveReport> reports = solve_all(unfinished, limits, threads);
    std::vector<Ablation> out;
    std::size_t next = 0;
    for (const Removal& r : list) {
        Ablation a{r.kind, r.piece, is_complete(r.puzzle), {}};
        if (!a.finished_at_start)
            a.report = reports[next++];
        out.push_back(std::move(a));
    }
    return out;
}

} // namespace

std::vector<Removal> removals(const Puzzle& board) {
    std::vector<Removal> out;
    auto add = [&](PieceKind kind, std::string piece, auto change) {
        Puzzle p = board;
        change(p);
        out.push_back({kind, std::move(piece), std::move(p)});
    };
    for (std::size_t i = 0; i < board.walls.size(); ++i)
        add(PieceKind::Wall, "wall " + cell_name(board.walls[i]),
            [&](Puzzle& p) { p.walls = without(board.walls, i); });
    for (std::size_t i = 0; i < board.water.size(); ++i)
        add(PieceKind::Water, "water " + cell_name(board.water[i]),
            [&](Puzzle& p) { p.water = without(board.water, i); });
    if (board.water.size() > 1)
        add(PieceKind::AllWater, "all water", [](Puzzle& p) { p.water.clear(); });
    for (std::size_t i = 0; i < board.items.size(); ++i) {
        const char* kind = board.items[i].kind == ItemKind::Grow ? "grow " : "shrink ";
        add(PieceKind::Item, kind + cell_name(board.items[i].pos),
            [&](Puzzle& p) { p.items = without(board.items, i); });
    }
    for (std::size_t i = 0; i < board.targets.size(); ++i)
        add(PieceKind::Target, "target " + cell_name(board.targets[i]),
            [&](Puzzle& p) { p.targets = without(board.targets, i); });
    if (board.targets.size() > 1)
        add(PieceKind::AllTargets, "all targets", [](Puzzle& p) { p.targets.clear(); });
    for (std::size_t s = 0; s < board.snakes.size(); ++s) {
        Puzzle p = board;
        p.snakes = without(board.snakes, s);
        if (has_player_snake(p))
            out.push_back(
                {PieceKind::Snake, std::string("snake ") + snake_letter(board, s), std::move(p)});
    }
    add_one_head_variants(board, out);
    return out;
}

std::vector<Ablation> ablate(const Puzzle& board, SolveLimits limits, unsigned threads) {
    return measure(removals(board), limits, threads);
}

std::vector<Ablation> ablate(const Puzzle& board, PieceKind kind, SolveLimits limits,
                             unsigned threads) {
    // Only the wanted removals are solved: an item check inside a search
    // must not pay for every wall.
    std::vector<Removal> wanted = removals(board);
    std::erase_if(wanted, [&](const Removal& r) { return r.kind != kind; });
    return measure(wanted, limits, threads);
}

bool piece_matters(const SolveReport& with, const SolveReport& without) {
    if (with.solvable != without.solvable)
        return true;
    if (with.solvable && with.moves.size() != without.moves.size())
        return true;
    return without.dead * 10 < with.dead * 9;
}

} // namespace coilwend::board_lab
