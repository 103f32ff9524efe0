#pragma once
// The per-setting builders behind add_wall_scenery. Each starts from the
// cell's freshly seeded random sequence.

#include "env_rendering/scenery_random.hpp"
#include "game/matrix.hpp"
#include "graphics/vertex_formats.hpp"

#include <vector>

namespace coilwend {

void add_rock(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh);
void add_stump(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh,
               std::vector<PatternVertex>& pattern);
void add_reeds(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh);
void add_barrels(CellRandom& random, Vec3 centre, std::vector<MeshVertex>& mesh);
void add_tire_stack(CellRandom& random, Vec3 centre, std::vector<PatternVertex>& pattern);

} // namespace coilwend
