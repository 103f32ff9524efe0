// What the text pass costs the CPU for a frame full of text once its glyphs
// are cached: the controls screen's labels and key captions laid out, looked
// up in the cache and built into a mesh, with a texture that does nothing.
// Budget 0.5 ms a frame.

#include "input/keymap.hpp"
#include "ui/menu.hpp"
#include "ui/text_frame.hpp"

#include <SDL_keyboard.h>
#include <benchmark/benchmark.h>

using namespace coilwend;

namespace {

class NullTexture final : public GlyphTexture {
  public:
    void resize(std::uint32_t) override {}
    void write(const TexelRect&, std::span<const std::uint8_t>) override {}
};

void text_pass_controls_screen(benchmark::State& state) {
    static const Font font = *Font::load(embedded_font_ttf());
    UiContext context;
    context.window_size = context.drawable_size = {1920, 1080};
    context.font = &font;
    MenuEnvironment environment;
    environment.key_name = [](Keycode code) { return std::string(SDL_GetKeyName(code)); };
    MenuState controls;
    controls.screen = MenuScreen::Controls;
    menu_update(controls, context, nullptr, environment);

    TextFrame frame(font);
    NullTexture texture;
    frame.build(context.text_queue, 1920, std::nullopt, texture); // caches the glyphs
    std::size_t vertices = 0;
    for (auto _ : state) {
        const auto mesh = frame.build(context.text_queue, 1920, std::nullopt, texture);
        vertices = mesh.size();
        benchmark::DoNotOptimize(mesh.data());
    }
    state.counters["lines"] = static_cast<double>(context.text_queue.items().size());
    state.counters["glyphs"] = static_cast<double>(vertices / 6);
}
BENCHMARK(text_pass_controls_screen)->Unit(benchmark::kMicrosecond);

} // namespace
