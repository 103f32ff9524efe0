#pragma once
// A user-interface sample frame for coilwend-render-shot --ui-sample: text at
// several sizes, with and without shadow, a panel and a row of every icon
// over a coloured ground, drawn by the game's own UI pass.

#include <cstdint>

namespace render_shot {

// The GL context is current and the fixed state applied.
void draw_ui_sample(std::uint32_t width, std::uint32_t height);

} // namespace render_shot
