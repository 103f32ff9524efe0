#include "board_renderer/board_geometry.hpp"

#include "board_renderer/floor_palette.hpp"
#include "board_renderer/reunion_layout.hpp"
#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/wall_scenery.hpp"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

struct FunnelRing {
    float radius;
    float z;
    float slope;   // the normal's horizontal part per unit of up
    int darkening; // how often every channel is halved
};

constexpr std::array<FunnelRing, kExitRings> kFunnel = {{
    {1.0f, 0.0f, 0.0f, 0},
    {0.45f, 0.0f, 0.0f, 0},
    {0.4f, -0.5f, -3.0f, 1},
    {0.2f, -3.0f, -5.0f, 2},
    {0.0f, -5.0f, -10.0f, 3},
}};

Rgb halved(Rgb colour, int times) {
    return {static_cast<std::uint8_t>(colour.r >> times),
            static_cast<std::uint8_t>(colour.g >> times),
            static_cast<std::uint8_t>(colour.b >> times)};
}

MeshVertex funnel_vertex(Pos cell, const FunnelRing& ring, int segment, Rgb colour) {
    const float angle = float(segment) / kExitSegments * 2 * std::numbers::pi_v<float>;
    const float c = std::cos(angle), s = std::sin(angle);
    const Vec3 n = normalize({ring.slope * c, ring.slope * s, 1});
    // Clamping to the square makes the outer ring run along the cell's edge.
    return MeshVertex{{float(cell.x) + std::clamp(ring.radius * c, -0.5f, 0.5f),
                       float(cell.y) + std::clamp(ring.radius * s, -0.5f, 0.5f), ring.z},
                      {n.x, n.y, n.z},
                      halved(colour, ring.darkening)};
}

FloorPalette cell_palette(const Puzzle& puzzle, Pos cell) {
    if (is_reunion(puzzle))
        if (const auto region = reunion_floor_palette(puzzle, cell))
            return *region;
    return is_water(puzzle, cell) ? FloorPalette::Water : palette_for_setting(puzzle.setting);
}

} // namespace

void add_exit_funnel(std::vector<MeshVertex>& mesh, Pos cell, Rgb colour) {
    for (int r = 0; r + 1 < kExitRings; ++r) {
        const FunnelRing& outer = kFunnel[r];
        const FunnelRing& inner = kFunnel[r + 1];
        for (int k = 0; k < kExitSegments; ++k) {
            const MeshVertex o0 = funnel_vertex(cell, outer, k, colour);
            const MeshVertex o1 = funnel_vertex(cell, outer, k + 1, colour);
            const MeshVertex i0 = funnel_vertex(cell, inner, k, colour);
            const MeshVertex i1 = funnel_vertex(cell, inner, k + 1, colour);
            // Counter-clockwise seen from above: along the outer ring, then in.
            mesh.insert(mesh.end(), {o0, o1, i1, o0, i1, i0});
        }
    }
}

void build_static_geometry(const Puzzle& puzzle, std::vector<MeshVertex>& ground,
                           std::vector<PatternVertex>& scenery) {
    ground.clear();
    scenery.clear();
    const bool reunion = is_reunion(puzzle);

    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x) {
            const Pos cell{wrap8(x), wrap8(y)};
            if (cell == puzzle.exit)
                continue;
            add_floor_tile(ground, cell, floor_colour(cell_palette(puzzle, cell), cell));
        }

    const FloorPalette exit_palette =
        reunion ? kReunionExitPalette : cell_palette(puzzle, puzzle.exit);
    add_exit_funnel(ground, puzzle.exit, floor_colour(exit_palette, puzzle.exit));

    if (reunion) {
        for (const ReunionWall& wall : reunion_walls())
            add_wall_scenery(wall.setting, reunion_board_cell(puzzle, wall.cell), ground, scenery);
    } else {
        for (const Pos wall : puzzle.walls)
            add_wall_scenery(puzzle.setting, wall, ground, scenery);
    }
}

} // namespace coilwend
