#include "board_renderer/overlay_geometry.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace coilwend {
namespace {

constexpr float kTau = 2 * std::numbers::pi_v<float>;
constexpr float kBracketLength = 0.3f;
constexpr float kBracketThickness = 0.07f;
constexpr float kMarkerAlpha = 0.8f;
constexpr float kRingInner = 0.12f;
constexpr float kRingAlpha = 0.9f;
// The hint's arrow: warm yellow, so it does not read as the white selection.
constexpr float kHintColour[3] = {1.0f, 0.82f, 0.25f};
constexpr float kHintAlpha = 0.9f;
constexpr float kHintShaftHalfWidth = 0.09f;
constexpr float kHintHeadHalfWidth = 0.26f;
// The camera looks at the board tilted by this much about x.
constexpr float kCameraTilt = 0.2f;

constexpr std::string_view kFriendLevel = "A Friend";
constexpr float kFriendHintHalfSize = 0.25f;
constexpr float kFriendHintHeight = 0.2f;
constexpr float kIntroIconHalfSize = 0.3f;

Vec3 centre_of(Pos cell) {
    return {float(cell.x), float(cell.y), 0};
}

ColorVertex colour_vertex(Vec3 p, float r, float g, float b, float a) {
    return ColorVertex{{p.x, p.y, p.z}, {r, g, b, a}};
}

// An axis-aligned rectangle on the plane z, counter-clockwise seen from above.
void add_rectangle(std::vector<ColorVertex>& out, float x0, float y0, float x1, float y1, float z,
                   float alpha) {
    const float left = std::min(x0, x1), right = std::max(x0, x1);
    const float bottom = std::min(y0, y1), top = std::max(y0, y1);
    const Vec3 a{left, bottom, z}, b{right, bottom, z}, c{right, top, z}, d{left, top, z};
    for (const Vec3& p : {a, b, c, a, c, d})
        out.push_back(colour_vertex(p, 1, 1, 1, alpha));
}

// A flat white ring facing up.
void add_ring(std::vector<ColorVertex>& out, Vec3 centre, float inner, float outer, int segments,
              float alpha) {
    for (int k = 0; k < segments; ++k) {
        const float a0 = float(k) / float(segments) * kTau;
        const float a1 = float(k + 1) / float(segments) * kTau;
        const Vec3 d0{std::cos(a0), std::sin(a0), 0}, d1{std::cos(a1), std::sin(a1), 0};
        const Vec3 o0 = centre + d0 * outer, o1 = centre + d1 * outer;
        const Vec3 i0 = centre + d0 * inner, i1 = centre + d1 * inner;
        for (const Vec3& p : {o0, o1, i1, o0, i1, i0})
            out.push_back(colour_vertex(p, 1, 1, 1, alpha));
    }
}

const Snake* snake_with_cells(const Puzzle& puzzle, std::size_t index) {
    if (index >= puzzle.snakes.size() || puzzle.snakes[index].cells.empty())
        return nullptr;
    return &puzzle.snakes[index];
}

Vec3 board_centre(const Puzzle& puzzle) {
    return {(float(puzzle.width) - 1) / 2, (float(puzzle.height) - 1) / 2, 0};
}

} // namespace

std::optional<Vec3> selection_marker_centre(const Puzzle& puzzle, const Selection& selection,
                                            const BoardAnimation& animation) {
    const Snake* snake = snake_with_cells(puzzle, selection.snake);
    if (!snake)
        return std::nullopt;
    const auto& cells = snake->cells;
    const Vec3 lead = centre_of(selection.front ? cells.front() : cells.back());
    if (!is_step_of(animation, selection.snake) || cells.size() < 2)
        return lead;
    const Vec3 neighbour = centre_of(selection.front ? cells[1] : cells[cells.size() - 2]);
    return lead + (neighbour - lead) * std::fabs(animation.progress);
}

void add_selection_marker(std::vector<ColorVertex>& out, const Puzzle& puzzle,
                          const Selection& selection, const BoardAnimation& animation) {
    const auto centre = selection_marker_centre(puzzle, selection, animation);
    if (!centre)
        return;
    for (const float sx : {-1.0f, 1.0f})
        for (const float sy : {-1.0f, 1.0f}) {
            const float cx = centre->x + 0.5f * sx, cy = centre->y + 0.5f * sy;
            // The two arms of the L meet at the corner without overlapping,
            // so the translucent white is even.
            add_rectangle(out, cx, cy, cx - sx * kBracketLength, cy - sy * kBracketThickness, 0,
                          kMarkerAlpha);
            add_rectangle(out, cx, cy - sy * kBracketThickness, cx - sx * kBracketThickness,
                          cy - sy * kBracketLength, 0, kMarkerAlpha);
        }
}

void add_hint_arrow(std::vector<ColorVertex>& out, const HintArrow& arrow) {
    // From just beyond the moving end to the middle of the cell it steps into.
    const Vec3 along{float(arrow.direction.dx), float(arrow.direction.dy), 0};
    const Vec3 across{-along.y, along.x, 0};
    const Vec3 base = centre_of(arrow.from) + along * 0.3f;
    const Vec3 neck = centre_of(arrow.from) + along * 0.8f;
    const Vec3 tip = centre_of(arrow.from) + along * 1.2f;
    const float alpha = kHintAlpha * std::clamp(arrow.strength, 0.0f, 1.0f);
    const auto put = [&](Vec3 p) {
        out.push_back(colour_vertex(p, kHintColour[0], kHintColour[1], kHintColour[2], alpha));
    };
    const Vec3 shaft = across * kHintShaftHalfWidth;
    for (const Vec3& p :
         {base - shaft, neck - shaft, neck + shaft, base - shaft, neck + shaft, base + shaft})
        put(p);
    const Vec3 head = across * kHintHeadHalfWidth;
    for (const Vec3& p : {neck - head, tip, neck + head})
        put(p);
}

void add_intro_ring(std::vector<ColorVertex>& out, const Puzzle& puzzle, float progress) {
    const Snake* snake = snake_with_cells(puzzle, 0);
    if (!snake || progress >= 3)
        return;
    Vec3 centre = centre_of(snake->cells.back());
    float fade = 1;
    if (progress >= 2) {
        centre.y -= 1;
        fade = 3 - progress;
    } else if (progress >= 1) {
        centre.y -= progress - 1;
    }
    centre.z = kIntroRingHeight;
    add_ring(out, centre, kRingInner, kIntroRingRadius, kIntroRingSegments, kRingAlpha * fade);
}

void add_iris_wipe(std::vector<ColorVertex>& out, const Puzzle& puzzle, const BoardCamera& camera,
                   float progress) {
    Vec3 head = board_centre(puzzle);
    for (const Snake& snake : puzzle.snakes)
        if (!snake.companion && !snake.cells.empty()) {
            head = centre_of(snake.cells.back());
            break;
        }

    // The view rectangle on the floor: the camera is centred on the board
    // and, being tilted, sees a floor a little taller than its view height.
    const Vec3 middle{float(camera.board_width) / 2 - 0.5f, float(camera.board_height) / 2 - 0.5f,
                      0};
    const float half_width = camera.total_view_width / 2;
    const float half_height = camera.view_height / 2 / std::cos(kCameraTilt);
    float farthest = 0;
    for (const float sx : {-1.0f, 1.0f})
        for (const float sy : {-1.0f, 1.0f}) {
            const Vec3 corner = middle + Vec3{sx * half_width, sy * half_height, 0};
            farthest = std::max(farthest, length(corner - head));
        }
    const float outer = 1 + farthest;
    const float inner = std::clamp(progress, 0.0f, 1.0f) * outer;

    for (int i = 0; i <= kIrisSegments; ++i) {
        const float angle = float(i) / kIrisSegments * kTau;
        const Vec3 d{std::cos(angle), std::sin(angle), 0};
        out.push_back(colour_vertex(head + d * inner, 0, 0, 0, 1));
        out.push_back(colour_vertex(head + d * outer, 0, 0, 0, 1));
    }
}

std::optional<std::uint8_t> intro_icon(PromptDevice device, float progress) {
    const bool second = progress > 1.5f;
    switch (device) {
    case PromptDevice::Keyboard:
        return second ? 14 : 13;
    case PromptDevice::Controller:
        return second ? 12 : 11;
    case PromptDevice::Mouse:
        break;
    }
    return std::nullopt;
}

IconPlacement intro_icon_placement(const Puzzle& puzzle, std::uint8_t icon) {
    return {icon, board_centre(puzzle), kIntroIconHalfSize};
}

std::optional<IconPlacement> friend_hint(const Puzzle& puzzle,
                                         const std::optional<Selection>& selection,
                                         PromptDevice device, MoveEventKind event_kind) {
    if (puzzle.name != kFriendLevel || device == PromptDevice::Mouse)
        return std::nullopt;
    if (event_kind == MoveEventKind::Intro || event_kind == MoveEventKind::IrisIn ||
        event_kind == MoveEventKind::Leaving)
        return std::nullopt;
    // The level has two snakes; the hint sits on the one not selected.
    if (selection && selection->snake > 1)
        return std::nullopt;
    const Snake* snake = snake_with_cells(puzzle, selection ? 1 - selection->snake : 0);
    if (!snake)
        return std::nullopt;
    const auto& cells = snake->cells;
    const Vec3 last = centre_of(cells.back());
    const Vec3 before = cells.size() >= 2 ? centre_of(cells[cells.size() - 2]) : last;
    Vec3 centre = (last + before) * 0.5f;
    centre.z = kFriendHintHeight;
    return IconPlacement{device == PromptDevice::Keyboard ? std::uint8_t{15} : std::uint8_t{16},
                         centre, kFriendHintHalfSize};
}

void add_icon_quad(std::vector<TexturedVertex>& out, Vec3 centre, float half_size, UvRect uv) {
    auto corner = [&](float sx, float sy, float u, float v) {
        return TexturedVertex{
            {centre.x + sx * half_size, centre.y + sy * half_size, centre.z}, {1, 1, 1, 1}, {u, v}};
    };
    // The image's top edge at the board's +y side, so the icon reads upright.
    const TexturedVertex bottom_left = corner(-1, -1, uv.u0, uv.v1);
    const TexturedVertex bottom_right = corner(1, -1, uv.u1, uv.v1);
    const TexturedVertex top_right = corner(1, 1, uv.u1, uv.v0);
    const TexturedVertex top_left = corner(-1, 1, uv.u0, uv.v0);
    out.insert(out.end(), {bottom_left, bottom_right, top_right, bottom_left, top_right, top_left});
}

} // namespace coilwend
