#include "ui_sample.hpp"

#include "graphics/gl_functions.hpp"
#include "graphics/scene_canvas.hpp"
#include "ui/ui_renderer.hpp"

namespace render_shot {

using namespace coilwend;

void draw_ui_sample(std::uint32_t width, std::uint32_t height) {
    const auto ui = create_user_interface({width, height}, {width, height});
    UiContext& context = ui->context;

    // Through a canvas, as the game draws its interface.
    SceneCanvas canvas = SceneCanvas::create();
    canvas.begin_frame(width, height);
    canvas.begin_whole(&canvas);
    gl.ClearColor(0.15f, 0.35f, 0.45f, 1.0f);
    gl.Clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    panel(context, 0.5f, 0.25f);

    text(context, 0.5f, 0.02f, 0.1f, TextShadow::Drop, TextAlign::Centred, 1.0f,
         "Humble Beginnings");
    float y = 0.14f;
    for (const float size : {0.02f, 0.03f, 0.04f, 0.06f, 0.08f}) {
        text(context, 0.03f, y, size, TextShadow::None, TextAlign::Left, 1.0f,
             "Tête-à-tête: Humble Beginnings 0123456789");
        y += size + 0.015f;
    }
    text(context, 0.5f, 0.48f, 0.05f, TextShadow::Drop, TextAlign::Centred, 0.6f,
         "Shadowed at 0.6 alpha");
    text_button(context, nullptr, 0.5f, 0.56f, 0.05f, {1.0f, 0.85f, 0.3f}, "Reset all progress");
    for (std::uint8_t i = 0; i < kIconCount; ++i) {
        const float x = 0.01f + 0.049f * static_cast<float>(i);
        if (i == 3)
            icon_button(context, nullptr, x, 0.68f, 0.07f, i, ButtonUse::Disabled, {1, 1, 1});
        else
            icon(context, x, 0.68f, 0.07f, i, {1, 1, 1});
    }
    icon(context, 0.05f, -0.05f, 0.1f, 0, {1.0f, 0.6f, 0.6f});
    icon(context, -0.05f, -0.05f, 0.1f, 8, {0.6f, 1.0f, 0.6f});
    icon(context, 0.5f, -0.05f, 0.1f, 12, {1, 1, 1});
    ui->renderer.end_of_frame(context, false);
    canvas.present();
}

} // namespace render_shot
