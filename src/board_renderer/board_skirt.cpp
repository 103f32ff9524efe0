#include "board_renderer/board_skirt.hpp"

namespace coilwend {

void add_front_skirt(std::vector<MeshVertex>& ground, const Puzzle& puzzle) {
    const float left = -0.5f, right = float(puzzle.width) - 0.5f, front = -0.5f;
    auto vertex = [&](float x, float z) {
        return MeshVertex{{x, front, z}, {0, -1, 0}, Rgb{0, 0, 0}};
    };
    // Counter-clockwise seen from the front (from -y, z up).
    const MeshVertex bottom_left = vertex(left, -kSkirtDepth);
    const MeshVertex bottom_right = vertex(right, -kSkirtDepth);
    const MeshVertex top_right = vertex(right, 0);
    const MeshVertex top_left = vertex(left, 0);
    ground.insert(ground.end(),
                  {bottom_left, bottom_right, top_right, bottom_left, top_right, top_left});
}

} // namespace coilwend
