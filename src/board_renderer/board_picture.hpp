#pragma once
// What a drawn board frame shows, reduced to the inputs that change its
// pixels, so a frame equal to the last drawn one need not be drawn again; and
// the overlays of a frame, built the same way whoever asks.

#include "board_renderer/overlay_geometry.hpp"
#include "scene/board_view.hpp"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

// True for the events whose progress moves snakes or pieces; the others (the
// intro and the two irises) draw overlays over still geometry.
bool geometry_follows_progress(MoveEventKind kind);

struct BoardPicture {
    const Puzzle* puzzle = nullptr;
    std::uint64_t history_length = 0;
    MoveEventKind kind = MoveEventKind::None;
    // The event's progress as far as the picture shows it: the intro shows
    // it in steps (its key or button icon) or not at all once its ring is gone.
    float progress = 0;
    std::size_t snake = 0;
    Pos trailing;
    std::size_t event_cells = 0;
    bool crawling = false;
    std::optional<Selection> selection;
    PromptDevice prompts = PromptDevice::Mouse;
    std::optional<HintArrow> hint;
    friend bool operator==(const BoardPicture&, const BoardPicture&) = default;
};

BoardPicture board_picture(const BoardFrame& frame);

// A frame's overlays: the flat triangles (selection marker, hint arrow,
// intro ring)
// then the iris strip in `overlay`, and up to two icons (the intro's, the
// friend hint).
struct BoardOverlays {
    std::size_t triangle_vertices = 0;
    std::array<std::optional<IconPlacement>, 2> icons;
};
BoardOverlays build_board_overlays(const BoardFrame& frame, const MoveEvent& event,
                                   const BoardCamera& camera, std::vector<ColorVertex>& overlay);

} // namespace coilwend
