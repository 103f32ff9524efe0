#include "env_rendering/wall_scenery.hpp"

#include "env_rendering/mesh_builders.hpp"
#include "env_rendering/scenery_pieces.hpp"

namespace coilwend {

void add_wall_scenery(std::uint8_t setting, Pos cell, std::vector<MeshVertex>& mesh,
                      std::vector<PatternVertex>& pattern) {
    CellRandom random(cell);
    const Vec3 centre = cell_centre(cell);
    switch (setting) {
    case 0:
        add_rock(random, centre, mesh);
        break;
    case 1:
        add_stump(random, centre, mesh, pattern);
        break;
    case 2:
        add_reeds(random, centre, mesh);
        break;
    case 3:
        add_barrels(random, centre, mesh);
        break;
    default:
        add_tire_stack(random, centre, pattern);
        break;
    }
}

} // namespace coilwend
