#include "catalogue_json.hpp"

#include "levels/catalogue.hpp"
#include "overworld/catalogue.hpp"

#include <cstdio>
#include <string_view>

namespace coilwend {
namespace {

void write_string(std::ostream& out, std::string_view text) {
    out << '"';
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out << '\\' << c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out << escaped;
        } else {
            out << c;
        }
    }
    out << '"';
}

void write_pos(std::ostream& out, Pos p) {
    out << '[' << int(p.x) << ", " << int(p.y) << ']';
}

void write_cells(std::ostream& out, const std::vector<Pos>& cells) {
    out << '[';
    for (std::size_t i = 0; i < cells.size(); ++i) {
        out << (i ? ", " : "");
        write_pos(out, cells[i]);
    }
    out << ']';
}

void write_level(std::ostream& out, const Level& level) {
    const Puzzle& p = level.puzzle;
    out << "    {\"id\": ";
    write_string(out, level.id);
    out << ", \"title\": ";
    write_string(out, level_title(level));
    out << ", \"width\": " << int(p.width) << ", \"height\": " << int(p.height)
        << ", \"setting\": " << int(p.setting) << ", \"exit\": ";
    write_pos(out, p.exit);
    out << ",\n     \"walls\": ";
    write_cells(out, p.walls);
    out << ", \"water\": ";
    write_cells(out, p.water);
    out << ", \"targets\": ";
    write_cells(out, p.targets);
    out << ",\n     \"items\": [";
    for (std::size_t i = 0; i < p.items.size(); ++i) {
        out << (i ? ", " : "") << "{\"kind\": " << int(p.items[i].kind) << ", \"pos\": ";
        write_pos(out, p.items[i].pos);
        out << '}';
    }
    out << "],\n     \"snakes\": [";
    for (std::size_t i = 0; i < p.snakes.size(); ++i) {
        const Snake& s = p.snakes[i];
        out << (i ? ",\n                " : "") << "{\"cells\": ";
        write_cells(out, s.cells);
        out << ", \"two_headed\": " << (s.two_headed ? "true" : "false")
            << ", \"companion\": " << (s.companion ? "true" : "false") << '}';
    }
    out << "]}";
}

} // namespace

void write_catalogue_json(std::ostream& out) {
    out << "{\"levels\": [\n";
    const auto& levels = level_definitions();
    for (std::size_t i = 0; i < levels.size(); ++i) {
        write_level(out, levels[i]);
        out << (i + 1 < levels.size() ? ",\n" : "\n");
    }
    out << "  ],\n \"overworld\": [\n";
    const auto table = build_overworld_table();
    for (std::size_t i = 0; i < table.size(); ++i) {
        out << "    {\"id\": ";
        write_string(out, table[i].id);
        out << ", \"x\": " << int(table[i].x) << ", \"y\": " << int(table[i].y)
            << ", \"state\": " << int(table[i].state) << '}'
            << (i + 1 < table.size() ? ",\n" : "\n");
    }
    out << "  ]}\n";
}

} // namespace coilwend
