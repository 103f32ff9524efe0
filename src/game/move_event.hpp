#pragma once
// Animation records queued by moves and level starts and played back, one
// per frame step, by the scene controller and the board renderer.

#include "game/geometry.hpp"
#include "game/puzzle.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

enum class MoveEventKind : std::uint8_t {
    None = 0,    // no animation (used by the renderer's input)
    Step = 1,    // a legal move
    Bump = 2,    // a blocked move
    Vanish = 3,  // a move after which the snake has no cells
    Intro = 4,   // the looping tutorial of the first level
    Exit = 5,    // the move that finishes the level, then the crawl into the exit
    IrisIn = 6,  // the wipe that opens every other level
    Leaving = 7, // the last stage of an exit, the iris closing
};

struct MoveEvent {
    MoveEventKind kind = MoveEventKind::None;
    std::size_t history_index = 0; // the entry this animation belongs to
    // Starts at +1 when the first cell leads, -1 when the last cell leads (Step,
    // Bump, Exit), 0 for Vanish and the intros, 1 for Leaving.
    float progress = 0.0f;
    Pos trailing;                  // trailing cell before the move (Step, Bump, Vanish, Exit)
    std::optional<ItemKind> eaten; // item eaten by the move (Step, Exit)
    std::optional<ItemKind> item_on_lead; // item under the leading cell (Bump)
    std::size_t snake = 0;                // the moved snake (Step, Bump, Vanish, Exit)
    bool front = false;                   // the leading end of the move (Vanish)
    // Bump: the cells the snake would have had. Vanish: the cells after a plain
    // step. Exit: the finishing snake's cells, ordered so the last one is on the exit.
    std::vector<Pos> cells;
    bool two_headed = false; // Vanish, Exit: flags of the snake in cells
    bool companion = false;
    std::size_t exit_snake = 0; // Exit: index of the snake that reached the exit
    // Exit: false while the finishing move itself plays, true once the
    // finishing snake crawls into the exit on its own copy of cells.
    bool crawling = false;

    // The packed item under the leading cell of a bump: found flag in the low
    // byte, kind in the high byte.
    std::uint16_t packed_item_on_lead() const {
        return item_on_lead
                   ? static_cast<std::uint16_t>(1 | (static_cast<unsigned>(*item_on_lead) << 8))
                   : 0;
    }
};

} // namespace coilwend
