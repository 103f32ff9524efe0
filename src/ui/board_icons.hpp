#pragma once
// The board renderer's tutorial icons share the user interface's atlas: its
// texture rectangles, in the form the board renderer takes them.

#include "board_renderer/board_renderer.hpp"
#include "ui/icon_atlas.hpp"

#include <array>

namespace coilwend {

inline std::array<UvRect, kIconCount>
board_icon_rects(const std::array<TextureRect, kIconCount>& uv) {
    std::array<UvRect, kIconCount> rects;
    for (std::size_t i = 0; i < kIconCount; ++i)
        rects[i] = {uv[i].u0, uv[i].v0, uv[i].u1, uv[i].v1};
    return rects;
}

} // namespace coilwend
