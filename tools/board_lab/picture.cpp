#include "picture.hpp"

#include <algorithm>

namespace coilwend {
namespace {

bool listed(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

char ground_at(const Puzzle& puzzle, Pos p) {
    if (listed(puzzle.walls, p))
        return '#';
    return listed(puzzle.water, p) ? '~' : '.';
}

char mark_at(const Puzzle& puzzle, Pos p) {
    const bool target = listed(puzzle.targets, p);
    if (p == puzzle.exit)
        return target ? '@' : 'E';
    return target ? 'o' : '.';
}

char item_at_cell(const Puzzle& puzzle, Pos p) {
    for (const Item& item : puzzle.items)
        if (item.pos == p)
            return item.kind == ItemKind::Grow ? '+' : '-';
    return '.';
}

char snake_at(const Puzzle& puzzle, Pos p) {
    for (std::size_t s = 0; s < puzzle.snakes.size(); ++s) {
        const auto& cells = puzzle.snakes[s].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!(cells[c] == p))
                continue;
            if (c + 1 == cells.size()) {
                const char base = puzzle.snakes[s].companion ? 'a' : 'A';
                return static_cast<char>(base + s);
            }
            const Direction d = difference(cells[c + 1], p);
            if (d == kUp)
                return '^';
            if (d == kDown)
                return 'v';
            return d == kLeft ? '<' : '>';
        }
    }
    return '.';
}

} // namespace

std::string board_picture(const Puzzle& puzzle) {
    std::string out = "ground marks items snakes\n";
    const int width = puzzle.width;
    for (int y = puzzle.height - 1; y >= 0; --y) {
        std::string layers[4];
        for (int x = 0; x < width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            layers[0] += ground_at(puzzle, p);
            layers[1] += mark_at(puzzle, p);
            layers[2] += item_at_cell(puzzle, p);
            layers[3] += snake_at(puzzle, p);
        }
        out += layers[0] + "  " + layers[1] + "  " + layers[2] + "  " + layers[3] + "\n";
    }
    return out;
}

} // namespace coilwend
