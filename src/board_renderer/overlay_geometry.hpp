#pragma once
// Flat overlays drawn over the board after the scene: the selection marker,
// the pointer tutorial's ring, the iris wipe that opens and closes a level,
// and the icon squares of the keyboard and controller tutorials.

#include "board_renderer/board_animation.hpp"
#include "game/board_camera.hpp"
#include "game/matrix.hpp"
#include "game/puzzle.hpp"
#include "graphics/vertex_formats.hpp"
#include "scene/board_view.hpp"

#include <cstdint>
#include <optional>
#include <vector>

namespace coilwend {

// Selection marker: four white corner brackets on the floor around the
// selected snake's leading cell. During a step of that snake the marker
// slides from the neighbouring cell (where the end was) to the leading cell.
// None when the selection names no snake with cells.
std::optional<Vec3> selection_marker_centre(const Puzzle& puzzle, const Selection& selection,
                                            const BoardAnimation& animation);
void add_selection_marker(std::vector<ColorVertex>& out, const Puzzle& puzzle,
                          const Selection& selection, const BoardAnimation& animation);

// The pointer tutorial of the first level (progress 0 to 4, looping): a ring
// at the first snake's head that then slides one cell down and fades out,
// hinting "drag the head". Nothing from progress 3 on.
// A hint's arrow on the floor: from the end to move into the cell it moves to.
void add_hint_arrow(std::vector<ColorVertex>& out, const HintArrow& arrow);

void add_intro_ring(std::vector<ColorVertex>& out, const Puzzle& puzzle, float progress);
inline constexpr int kIntroRingSegments = 32;
inline constexpr float kIntroRingRadius = 0.16f;
// Above the snake's head, so the board does not hide it.
inline constexpr float kIntroRingHeight = 0.6f;

// The iris wipe: black everywhere except a circle around the head of the
// first snake that is not a companion; the circle's radius grows from 0 at
// progress 0 to the whole view at 1. Appends one triangle strip of
// kIrisVertices vertices.
void add_iris_wipe(std::vector<ColorVertex>& out, const Puzzle& puzzle, const BoardCamera& camera,
                   float progress);
inline constexpr int kIrisSegments = 40;
inline constexpr int kIrisVertices = 2 * (kIrisSegments + 1);

// The user-interface atlas icon of the first level's key or button tutorial
// at the given progress; none for the pointer (which gets the ring).
std::optional<std::uint8_t> intro_icon(PromptDevice device, float progress);

struct IconPlacement {
    std::uint8_t icon = 0;
    Vec3 centre;
    float half_size = 0;
};

// Where the first level's tutorial icon goes: a square of half-size 0.3 at
// the board's centre.
IconPlacement intro_icon_placement(const Puzzle& puzzle, std::uint8_t icon);

// The hint of the level "A Friend": on the snake that a cycle command would
// select, an icon for the key or button that cycles. None for the pointer,
// during the intros and the closing iris, or on any other level.
std::optional<IconPlacement> friend_hint(const Puzzle& puzzle,
                                         const std::optional<Selection>& selection,
                                         PromptDevice device, MoveEventKind event_kind);

// An icon's rectangle in the atlas texture: (u0, v0) at the image's top left.
struct UvRect {
    float u0 = 0, v0 = 0, u1 = 1, v1 = 1;
};

// A white square facing up, two triangles, textured with the rectangle.
void add_icon_quad(std::vector<TexturedVertex>& out, Vec3 centre, float half_size, UvRect uv);

} // namespace coilwend
