#include "position_view.hpp"

namespace coilwend {

std::string position_view(const Puzzle& puzzle) {
    const int w = puzzle.width, h = puzzle.height;
    std::string grid(static_cast<std::size_t>(w * h), '.');
    auto at = [&](Pos p) -> char& { return grid[static_cast<std::size_t>(p.y * w + p.x)]; };
    for (const Pos p : puzzle.water)
        at(p) = '~';
    for (const Pos p : puzzle.walls)
        at(p) = '#';
    at(puzzle.exit) = 'E';
    for (const Item& item : puzzle.items)
        at(item.pos) = item.kind == ItemKind::Grow ? '+' : '-';
    // Snakes last: what lies under a body cannot matter to the reader yet.
    for (std::size_t s = 0; s < puzzle.snakes.size(); ++s) {
        const auto& cells = puzzle.snakes[s].cells;
        for (std::size_t c = 0; c < cells.size(); ++c)
            at(cells[c]) = static_cast<char>((c + 1 == cells.size() ? 'A' : 'a') + s);
    }
    std::string text;
    for (int y = h - 1; y >= 0; --y) {
        text.append(grid, static_cast<std::size_t>(y * w), static_cast<std::size_t>(w));
        text.push_back('\n');
    }
    return text;
}

} // namespace coilwend
