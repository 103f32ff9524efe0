#include "overworld_shot.hpp"

#include "overworld/overworld.hpp"
#include "overworld/reveal.hpp"

#include <algorithm>

namespace render_shot {

using namespace coilwend;

Mat4 overworld_projection(Vec3 camera, float zoom, float aspect) {
    Mat4 orthographic = Mat4::identity();
    orthographic.at(0, 0) = 0.5f;
    orthographic.at(1, 1) = aspect / 2;
    orthographic.at(2, 2) = -1 / (5 * zoom);
    Mat4 scale = Mat4::identity();
    scale.at(0, 0) = scale.at(1, 1) = scale.at(2, 2) = zoom;
    return orthographic * rotate_x(-0.3f) * scale * translate(Vec3{} - camera);
}

void prepare_overworld(const OverworldRequest& request, std::uint32_t window_width,
                       std::uint32_t window_height, std::uint32_t drawable_width,
                       std::uint32_t drawable_height, OverworldScene& scene) {
    scene.levels = build_overworld_table();
    std::vector<OverworldEntry>& levels = scene.levels;
    std::size_t selected = 0;
    for (int won = 0; won < request.completed; ++won) {
        levels[selected].state = State::Completed;
        scene.revealed = reveal_around(levels, selected);
        const bool last = won + 1 == request.completed;
        if (last && request.reveal)
            break; // the reveal plays with the won level still selected
        const auto next = std::find_if(levels.begin(), levels.end(), [](const auto& entry) {
            return entry.state == State::Available;
        });
        if (next == levels.end())
            break;
        selected = static_cast<std::size_t>(next - levels.begin());
    }

    const bool close = request.view == "close" || request.entering;
    const float zoom = close ? 1.0f : 1.0f / 3.0f;
    Vec3 camera = close ? Vec3{99, 100, 0} : Vec3{94.5f, 104.5f, 0};
    if (request.entering)
        camera = entry_centre(levels[selected]);
    const float aspect = float(drawable_width) / float(drawable_height);
    // Held inside the view limits as the game holds its camera.
    const float width = std::min(4 / zoom, 12.0f), height = std::min(4 / (zoom * aspect), 12.0f);
    camera.x = std::clamp(camera.x, 88.5f + width / 2, 100.5f - width / 2);
    camera.y = std::clamp(camera.y, 98.5f + height / 2, 110.5f - height / 2);

    OverworldFrame& frame = scene.frame;
    frame.levels = levels;
    frame.selected = selected;
    frame.proj = overworld_projection(camera, zoom, aspect);
    frame.camera_target = camera;
    frame.zoom = zoom;
    if (request.entering) {
        const float closeness = std::clamp(*request.entering, 0.0f, 1.0f);
        const Vec3 centre = entry_centre(levels[selected]);
        const Vec3 view = camera + (centre - camera) * closeness;
        frame.zoom = zoom * (1.0f + 3.0f * closeness);
        frame.proj = overworld_projection(view, frame.zoom, aspect);
        if (request.light_on_view)
            frame.camera_target = view;
    }
    frame.window_width = window_width;
    frame.window_height = window_height;
    frame.drawable_width = drawable_width;
    frame.drawable_height = drawable_height;
    if (request.reveal) {
        frame.revealed_cells = scene.revealed;
        frame.reveal_progress = *request.reveal;
    }
    frame.menu_open = request.menu_open;
}

} // namespace render_shot
