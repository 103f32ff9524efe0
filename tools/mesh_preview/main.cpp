// coilwend-mesh-preview: renders the snake meshes of a set of preview boards
// from the board camera into PNG files, one per board.
//
// Usage: coilwend-mesh-preview <output-directory> [scene-name [tilt]]
// A tilt in radians looks at the board from further in front than the game
// does, to inspect the sides of the meshes.

#include "game/board_camera.hpp"
#include "png_output.hpp"
#include "preview_scenes.hpp"
#include "snake_rendering/snake_mesh.hpp"
#include "software_raster.hpp"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

using namespace coilwend;

constexpr int kWidth = 960, kHeight = 640, kSupersample = 2;

Rgb floor_colour(const Puzzle& puzzle, int x, int y) {
    static constexpr Rgb palettes[5][2] = {{{218, 194, 124}, {215, 175, 114}},
                                           {{18, 84, 15}, {16, 74, 13}},
                                           {{92, 128, 11}, {72, 95, 10}},
                                           {{111, 84, 60}, {100, 73, 51}},
                                           {{168, 168, 168}, {132, 132, 132}}};
    Rgb c = palettes[puzzle.setting > 4 ? 4 : puzzle.setting][(x + y) % 2];
    if (puzzle.exit == Pos{static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)})
        c = {static_cast<std::uint8_t>(c.r >> 3), static_cast<std::uint8_t>(c.g >> 3),
             static_cast<std::uint8_t>(c.b >> 3)}; // the exit's funnel, as a dark hole
    return c;
}

void quad(std::vector<MeshVertex>& out, Vec3 a, Vec3 b, Vec3 c, Vec3 d, Vec3 n, Rgb colour) {
    for (Vec3 p : {a, b, c, a, c, d})
        out.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, colour});
}

// Floor tiles, and every item as a small grey diamond where the game draws it.
std::vector<MeshVertex> board_geometry(const Puzzle& puzzle) {
    std::vector<MeshVertex> out;
    for (int y = 0; y < puzzle.height; ++y)
        for (int x = 0; x < puzzle.width; ++x) {
            const float fx = static_cast<float>(x), fy = static_cast<float>(y);
            quad(out, {fx - 0.5f, fy - 0.5f, 0}, {fx + 0.5f, fy - 0.5f, 0},
                 {fx + 0.5f, fy + 0.5f, 0}, {fx - 0.5f, fy + 0.5f, 0}, {0, 0, 1},
                 floor_colour(puzzle, x, y));
        }
    for (const Item& item : puzzle.items) {
        const Vec3 c{static_cast<float>(item.pos.x), static_cast<float>(item.pos.y), 0.4f};
        const Rgb colour = item.kind == ItemKind::Grow ? Rgb{214, 214, 214} : Rgb{56, 56, 56};
        const Vec3 axes[6] = {{0.4f, 0, 0},   {0, 0.25f, 0}, {-0.4f, 0, 0},
                              {0, -0.25f, 0}, {0, 0, 0.25f}, {0, 0, -0.25f}};
        for (int i = 0; i < 4; ++i)
            for (int cap = 4; cap < 6; ++cap) {
                Vec3 a = c + axes[i], b = c + axes[(i + 1) % 4], t = c + axes[cap];
                if (cap == 5)
                    std::swap(a, b);
                const Vec3 n = normalize(cross(b - a, t - a));
                for (Vec3 p : {a, b, t})
                    out.push_back({{p.x, p.y, p.z}, {n.x, n.y, n.z}, colour});
            }
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s <output-directory> [scene-name]\n", argv[0]);
        return 2;
    }
    const std::string directory = argv[1];
    const std::string only = argc > 2 ? argv[2] : "";
    const float tilt = argc > 3 ? std::strtof(argv[3], nullptr) : 0.0f;
    for (const preview::Scene& scene : preview::preview_scenes()) {
        if (!only.empty() && scene.name != only)
            continue;
        const BoardCamera camera = make_board_camera(kWidth * kSupersample, kHeight * kSupersample,
                                                     scene.puzzle.width, scene.puzzle.height);
        // The game's camera already turns by -0.2 about x; a tilt adds to it.
        const float bw = scene.puzzle.width, bh = scene.puzzle.height;
        const Mat4 view = tilt == 0.0f
                              ? camera.view_projection
                              : ortho(-camera.total_view_width / 2, camera.total_view_width / 2,
                                      -camera.view_height / 2, camera.view_height / 2, -5, 5) *
                                    rotate_x(-0.2f - tilt) *
                                    translate({-(bw / 2 - 0.5f), -(bh / 2 - 0.5f), 0});
        preview::Raster raster(kWidth * kSupersample, kHeight * kSupersample, view);
        raster.draw(board_geometry(scene.puzzle));
        std::vector<FacetVertex> mesh;
        for (const preview::PreviewSnake& s : scene.snakes) {
            const Snake& snake = scene.puzzle.snakes[s.index];
            if (s.skin)
                build_snake_with_skin(snake, *s.skin, scene.puzzle, s.animation, mesh);
            else
                build_snake(snake, s.index, scene.puzzle, s.animation, mesh);
        }
        raster.draw(mesh);
        const std::string path = directory + "/" + scene.name + ".png";
        if (!preview::write_png(path, kWidth, kHeight, raster.downsampled(kSupersample)))
            return 1;
        std::printf("%s: %zu vertices\n", path.c_str(), mesh.size());
    }
    return 0;
}
