#include "picture_text.hpp"

#include <algorithm>

namespace coilwend {
namespace {

constexpr std::size_t kLetters = 16; // a to p

char ground_at(const Puzzle& puzzle, Pos p) {
    if (is_wall(puzzle, p))
        return '#';
    return is_water(puzzle, p) ? '~' : '.';
}

char mark_at(const Puzzle& puzzle, Pos p) {
    const bool exit = puzzle.exit == p;
    if (is_target(puzzle, p))
        return exit ? '@' : 'o';
    return exit ? 'E' : '.';
}

char item_at_cell(const Puzzle& puzzle, Pos p) {
    const Item* item = item_at(puzzle, p);
    if (!item)
        return '.';
    return item->kind == ItemKind::Grow ? '+' : '-';
}

char arrow(Pos from, Pos to) {
    const Direction d = difference(to, from);
    if (d == kRight)
        return '>';
    if (d == kLeft)
        return '<';
    return d == kUp ? '^' : 'v';
}

char snake_at(const Puzzle& puzzle, Pos p) {
    const std::size_t count = std::min(puzzle.snakes.size(), kLetters);
    for (std::size_t s = 0; s < count; ++s) {
        const auto& cells = puzzle.snakes[s].cells;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (!(cells[c] == p))
                continue;
            if (c + 1 < cells.size())
                return arrow(cells[c], cells[c + 1]);
            const char base = puzzle.snakes[s].companion ? 'a' : 'A';
            return static_cast<char>(base + s);
        }
    }
    return '.';
}

} // namespace

std::string write_picture(const Puzzle& puzzle) {
    std::string out = "ground marks items snakes\n";
    using Layer = char (*)(const Puzzle&, Pos);
    const Layer layers[] = {ground_at, mark_at, item_at_cell, snake_at};
    for (int y = puzzle.height - 1; y >= 0; --y) {
        for (std::size_t l = 0; l < std::size(layers); ++l) {
            if (l > 0)
                out += "  ";
            for (int x = 0; x < puzzle.width; ++x)
                out +=
                    layers[l](puzzle, {static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)});
        }
        out += '\n';
    }
    std::string heads;
    for (std::size_t s = 0; s < std::min(puzzle.snakes.size(), kLetters); ++s)
        if (puzzle.snakes[s].two_headed && !puzzle.snakes[s].cells.empty()) {
            heads += ' ';
            heads += static_cast<char>((puzzle.snakes[s].companion ? 'a' : 'A') + s);
        }
    if (!heads.empty())
        out += "two-headed:" + heads + "\n";
    return out;
}

} // namespace coilwend
