#include "board_lab/position_view.hpp"

#include <algorithm>

namespace coilwend::board_lab {
namespace {

bool contains(const std::vector<Pos>& cells, Pos p) {
    return std::find(cells.begin(), cells.end(), p) != cells.end();
}

char arrow(Pos from, Pos to) {
    const Direction d = difference(to, from);
    if (d == kUp)
        return '^';
    if (d == kDown)
        return 'v';
    return d == kLeft ? '<' : '>';
}

// Row-major grid of the snakes layer, or empty when snakes overlap.
std::vector<std::string> snake_rows(const Puzzle& puzzle) {
    std::vector<std::string> rows(puzzle.height, std::string(puzzle.width, '.'));
    for (std::size_t s = 0; s < puzzle.snakes.size(); ++s) {
        const Snake& snake = puzzle.snakes[s];
        for (std::size_t i = 0; i < snake.cells.size(); ++i) {
            const Pos p = snake.cells[i];
            if (p.x < 0 || p.y < 0 || p.x >= puzzle.width || p.y >= puzzle.height)
                return {};
            char& at = rows[p.y][p.x];
            if (at != '.')
                return {};
            const char letter = static_cast<char>((snake.companion ? 'a' : 'A') + s);
            at = i + 1 == snake.cells.size() ? letter : arrow(p, snake.cells[i + 1]);
        }
    }
    return rows;
}

char item(const Puzzle& puzzle, Pos p) {
    for (const Item& i : puzzle.items)
        if (i.pos == p)
            return i.kind == ItemKind::Grow ? '+' : '-';
    return '.';
}

} // namespace

std::string position_view(const Puzzle& puzzle) {
    const auto rows = snake_rows(puzzle);
    std::string out;
    for (int y = puzzle.height - 1; y >= 0; --y) {
        for (int x = 0; x < puzzle.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            char c = rows.empty() ? '?' : rows[y][x];
            if (c == '.')
                c = contains(puzzle.walls, p) ? '#' : (puzzle.exit == p ? 'E' : item(puzzle, p));
            if (c == '.' && contains(puzzle.water, p))
                c = '~';
            if (c == '.' && contains(puzzle.targets, p))
                c = 'o';
            out += c;
        }
        out += '\n';
    }
    return out;
}

} // namespace coilwend::board_lab
