#pragma once
// The vectors the board's geometry is built into. They live for the process
// and are cleared, never freed, between builds: once they have grown to the
// largest level seen, building a frame allocates nothing.

#include "board_renderer/snake_draw_plan.hpp"
#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"

#include <vector>

namespace coilwend {

struct BoardScratch {
    std::vector<MeshVertex> ground;     // floor tiles, exit funnel, plain scenery
    std::vector<PatternVertex> scenery; // patterned scenery
    std::vector<FacetVertex> snakes;
    std::vector<MeshVertex> pieces; // items and targets
    std::vector<ColorVertex> overlay;
    std::vector<TexturedVertex> icons;
    std::vector<SnakeDrawPlan> snake_plans;
    Snake snake_copy; // a snake drawn from an event's own cells
};

// The one process-wide set; main thread only.
BoardScratch& board_scratch();

} // namespace coilwend
