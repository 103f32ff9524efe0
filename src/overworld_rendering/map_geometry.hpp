#pragma once
// The overworld map's static geometry, built once: a patterned ground tile
// under every entry and under the filler and border cells that close the map
// into a rectangle, and the wall scenery that runs off its edges.

#include "game/geometry.hpp"
#include "graphics/vertex_formats.hpp"
#include "overworld/catalogue.hpp"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace coilwend {

// A ground cell that belongs to no entry, with the setting that styles it.
struct MapTile {
    Pos cell;
    std::uint8_t setting = 0;
};

// The filler and border cells, in the order their tiles follow the entries'.
std::span<const MapTile> extra_map_tiles();

// Scenery borrowed from the extra tile at cell and set down k cells off
// diagonally, at (x + k, y - k): away from the map, to its lower right.
struct SceneryPlacement {
    Pos cell;
    std::int8_t k = 0;
};
std::span<const SceneryPlacement> map_scenery_placements();
// Where a placement's scenery stands.
Pos scenery_cell(const SceneryPlacement& placement);

struct MapGeometry {
    // The tiles first (six vertices each: the entries in table order, then
    // the extra tiles), then the patterned scenery.
    std::vector<PatternVertex> pattern;
    std::vector<MeshVertex> mesh; // plain scenery
    std::size_t tile_count = 0;
};

// Builds the map around the given table's cells, each entry's tile styled by
// its level's setting. Scenery whose cell holds a level is left out, so no
// level's marker is ever buried. Two tiles on one cell end the program with "Multiple
// things at location: (x, y)"; a scenery placement on a cell that is no
// extra tile with "Wall without setting: (x, y)".
MapGeometry build_map_geometry(std::span<const OverworldEntry> levels);

} // namespace coilwend
