#include "overworld_rendering/map_geometry.hpp"

#include "env_rendering/wall_scenery.hpp"
#include "game/log.hpp"
#include "levels/catalogue.hpp"

#include <algorithm>
#include <array>
#include <set>
#include <string>
#include <utility>

namespace coilwend {
namespace {

// clang-format off
constexpr std::array<MapTile, 65> kExtraTiles{{
    // Filler cells between the entries.
    {{99, 102}, 0}, {{98, 100}, 0}, {{97, 100}, 0}, {{92, 100}, 2}, {{93, 103}, 2},
    {{94, 102}, 2}, {{91, 104}, 2}, {{96, 104}, 4}, {{93, 105}, 4}, {{97, 105}, 1},
    {{99, 107}, 1}, {{95, 107}, 1}, {{98, 109}, 1}, {{99, 109}, 1}, {{90, 107}, 3},
    {{91, 107}, 3}, {{90, 109}, 3}, {{93, 109}, 3}, {{91, 105}, 3}, {{91, 106}, 3},
    {{90, 105}, 3}, {{90, 106}, 3},
    // The border, from the left edge's lower part round to its upper part;
    // (99, 99) on the bottom edge is the final level's own tile.
    {{89, 104}, 2}, {{89, 103}, 2}, {{89, 102}, 2}, {{89, 101}, 2}, {{89, 100}, 2}, {{89, 99}, 2},
    {{90, 99}, 2}, {{91, 99}, 2}, {{92, 99}, 0}, {{93, 99}, 0}, {{94, 99}, 0}, {{95, 99}, 0},
    {{96, 99}, 0}, {{97, 99}, 0}, {{98, 99}, 0},
    {{100, 99}, 0}, {{100, 100}, 0}, {{100, 101}, 0}, {{100, 102}, 0}, {{100, 103}, 0},
    {{100, 104}, 0}, {{100, 105}, 0}, {{100, 106}, 0}, {{100, 107}, 0}, {{100, 108}, 1},
    {{100, 109}, 1}, {{100, 110}, 1},
    {{99, 110}, 1}, {{98, 110}, 1}, {{97, 110}, 1}, {{96, 110}, 1}, {{95, 110}, 3}, {{94, 110}, 3},
    {{93, 110}, 3}, {{92, 110}, 3}, {{91, 110}, 3}, {{90, 110}, 3}, {{89, 110}, 3},
    {{89, 109}, 3}, {{89, 108}, 3}, {{89, 107}, 3}, {{89, 106}, 3}, {{89, 105}, 3},
}};

constexpr std::array<SceneryPlacement, 30> kScenery{{
    {{99, 102}, 0}, {{99, 102}, 3}, {{98, 100}, 1}, {{97, 100}, 2}, {{96, 104}, 0},
    {{96, 104}, 3}, {{93, 105}, 1}, {{92, 100}, 0}, {{92, 100}, 2}, {{92, 100}, 3},
    {{89, 104}, 1}, {{97, 105}, 2}, {{97, 105}, 3}, {{95, 107}, 3}, {{99, 109}, 3},
    {{99, 110}, 0}, {{99, 110}, 1}, {{99, 110}, 2}, {{99, 110}, 3}, {{100, 110}, 0},
    {{100, 110}, 1}, {{100, 110}, 2}, {{100, 110}, 3}, {{100, 109}, 2}, {{100, 109}, 3},
    {{91, 107}, 3}, {{89, 105}, 1}, {{89, 105}, 3}, {{93, 109}, 0}, {{90, 109}, 3},
}};

// The lake in the lower left: these tiles are water whatever their setting.
constexpr std::array<Pos, 12> kWaterCells{{
    {89, 99}, {89, 100}, {89, 101}, {89, 102}, {90, 102}, {91, 103},
    {91, 102}, {91, 101}, {92, 102}, {92, 101}, {92, 100}, {89, 104},
}};
// clang-format on

struct TileStyle {
    Rgb first;
    Rgb second;
};

// Desert, forest, marsh, the barrels' brown (0.75 of (111, 84, 60) / (100,
// 73, 51)) and the tires' grey (0.75 of (168, 168, 168) / (132, 132, 132)).
constexpr std::array<TileStyle, 5> kSettingStyles{{
    {{218, 194, 124}, {215, 175, 114}},
    {{18, 84, 15}, {16, 74, 13}},
    {{92, 128, 11}, {72, 95, 10}},
    {{83, 63, 45}, {75, 54, 38}},
    {{126, 126, 126}, {99, 99, 99}},
}};
constexpr TileStyle kWaterStyle{{13, 44, 151}, {12, 36, 138}};

// Settings 0..3 take patterns 1..4 (desert, forest, marsh, nuclear); the
// last setting is concrete.
std::int8_t tile_pattern(std::uint8_t setting) {
    return setting < 4 ? static_cast<std::int8_t>(setting + 1) : std::int8_t{7};
}

bool is_water(Pos cell) {
    return std::find(kWaterCells.begin(), kWaterCells.end(), cell) != kWaterCells.end();
}

std::string cell_text(Pos cell) {
    return "(" + std::to_string(cell.x) + ", " + std::to_string(cell.y) + ")";
}

void add_tile(std::vector<PatternVertex>& out, Pos cell, std::uint8_t setting) {
    const TileStyle& style =
        is_water(cell) ? kWaterStyle : kSettingStyles[std::min<std::size_t>(setting, 4)];
    const std::int8_t pattern = tile_pattern(setting);
    const float x = cell.x, y = cell.y;
    auto corner = [&](float dx, float dy) {
        const float px = x + dx, py = y + dy;
        PatternVertex v{};
        v.position[0] = px;
        v.position[1] = py;
        v.position[2] = 0;
        v.normal[2] = 1;
        v.color1 = style.first;
        v.color2 = style.second;
        // Two texture units per cell, so neighbouring tiles' patterns meet.
        v.uv[0] = 2 * px + 1;
        v.uv[1] = 2 * py + 1;
        v.pattern = pattern;
        out.push_back(v);
    };
    corner(-0.5f, -0.5f);
    corner(0.5f, -0.5f);
    corner(0.5f, 0.5f);
    corner(-0.5f, -0.5f);
    corner(0.5f, 0.5f);
    corner(-0.5f, 0.5f);
}

} // namespace

std::span<const MapTile> extra_map_tiles() {
    return kExtraTiles;
}

std::span<const SceneryPlacement> map_scenery_placements() {
    return kScenery;
}

Pos scenery_cell(const SceneryPlacement& placement) {
    return {wrap8(placement.cell.x + placement.k), wrap8(placement.cell.y - placement.k)};
}

MapGeometry build_map_geometry(std::span<const OverworldEntry> levels) {
    MapGeometry map;
    std::set<std::pair<int, int>> taken;
    auto place = [&](Pos cell, std::uint8_t setting) {
        if (!taken.emplace(cell.x, cell.y).second)
            fatal("Multiple things at location: " + cell_text(cell));
        add_tile(map.pattern, cell, setting);
        ++map.tile_count;
    };
    for (const OverworldEntry& entry : levels)
        place({entry.x, entry.y}, find_level(entry.id).puzzle.setting);
    for (const MapTile& tile : kExtraTiles)
        place(tile.cell, tile.setting);

    for (const SceneryPlacement& placement : kScenery) {
        const auto tile = std::find_if(kExtraTiles.begin(), kExtraTiles.end(),
                                       [&](const MapTile& t) { return t.cell == placement.cell; });
        if (tile == kExtraTiles.end())
            fatal("Wall without setting: " + cell_text(placement.cell));
        const Pos cell = scenery_cell(placement);
        // Ten of the offsets land on levels; a stack of tires over a level
        // would hide its marker, so those pieces are left out.
        if (std::any_of(levels.begin(), levels.end(), [&](const OverworldEntry& e) {
                return Pos{e.x, e.y} == cell;
            }))
            continue;
        add_wall_scenery(tile->setting, cell, map.mesh, map.pattern);
    }
    return map;
}

} // namespace coilwend
