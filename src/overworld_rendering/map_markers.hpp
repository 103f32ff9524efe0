#pragma once
// The map's per-frame geometry in plain lit triangles: a round marker on every
// level the player can pick, the cursor on the selected one, and the rings
// that pop out of levels as they are completed or revealed.

#include "graphics/vertex_formats.hpp"
#include "scene/overworld_view.hpp"

#include <cstddef>
#include <optional>
#include <vector>

namespace coilwend {

inline constexpr Rgb kCompletedMarker{204, 204, 204};
inline constexpr Rgb kAvailableMarker{44, 44, 44};

// How one entry's marker looks this frame: its colour and its size factor
// (1 is a disc of radius 0.33 with a rim out to 0.35, 0.1 above the floor).
struct MarkerLook {
    Rgb colour;
    float size = 1;
};

// None for hidden and locked entries. The selected marker brightens from the
// available to the completed grey while a first completion plays; revealed
// cells grow with the reveal; the title keeps every marker at size 0 until
// 9 and grows them in over its last second.
std::optional<MarkerLook> level_marker(const OverworldFrame& frame, std::size_t index);

// Replaces out's contents with this frame's markers, pops and cursor.
// Returns where the cursor begins (out's size when there is none): it is last.
std::size_t build_map_markers(const OverworldFrame& frame, std::vector<MeshVertex>& out);

} // namespace coilwend
