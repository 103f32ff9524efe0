#include "levels/board_writer.hpp"

#include "game/geometry.hpp"

#include <algorithm>

namespace coilwend {
namespace {

char arrow_towards(Pos from, Pos to) {
    if (to.x > from.x)
        return '>';
    if (to.x < from.x)
        return '<';
    return to.y > from.y ? '^' : 'v';
}

} // namespace

std::string board_picture(const Puzzle& p) {
    const int w = p.width, h = p.height;
    auto grid = [&](char fill) { return std::vector<std::string>(h, std::string(w, fill)); };
    auto ground = grid('.'), marks = grid('.'), items = grid('.'), snakes = grid('.');
    for (const Pos c : p.walls)
        ground[c.y][c.x] = '#';
    for (const Pos c : p.water)
        ground[c.y][c.x] = '~';
    for (const Pos c : p.targets)
        marks[c.y][c.x] = 'o';
    marks[p.exit.y][p.exit.x] = marks[p.exit.y][p.exit.x] == 'o' ? '@' : 'E';
    for (const Item& item : p.items)
        items[item.pos.y][item.pos.x] = item.kind == ItemKind::Grow ? '+' : '-';
    std::string two_headed;
    for (std::size_t s = 0; s < p.snakes.size(); ++s) {
        const auto& cells = p.snakes[s].cells;
        const char letter = static_cast<char>((p.snakes[s].companion ? 'a' : 'A') + s);
        for (std::size_t i = 0; i + 1 < cells.size(); ++i)
            snakes[cells[i].y][cells[i].x] = arrow_towards(cells[i], cells[i + 1]);
        if (!cells.empty())
            snakes[cells.back().y][cells.back().x] = letter;
        if (p.snakes[s].two_headed)
            two_headed += std::string(" ") + letter;
    }
    const std::string gap(2, ' ');
    // Each layer name over its column where the board is wide enough.
    std::string text;
    for (const std::string name : {"ground", "marks", "items"}) {
        text += name;
        text.append(std::max<std::size_t>(w + gap.size(), name.size() + 1) - name.size(), ' ');
    }
    text += "snakes\n";
    for (int y = h - 1; y >= 0; --y)
        text += ground[y] + gap + marks[y] + gap + items[y] + gap + snakes[y] + "\n";
    if (!two_headed.empty())
        text += "two-headed:" + two_headed + "\n";
    return text;
}

} // namespace coilwend
