#include "board_renderer/board_picture.hpp"

#include <algorithm>

namespace coilwend {
namespace {

const MoveEvent& no_event() {
    static const MoveEvent none;
    return none;
}

bool shows_iris(MoveEventKind kind) {
    return kind == MoveEventKind::IrisIn || kind == MoveEventKind::Leaving;
}

// The intro's progress as its overlays show it: the pointer's ring moves
// until progress 3 and is gone after; the key or button icon changes once.
float shown_intro_progress(PromptDevice prompts, float progress) {
    if (prompts == PromptDevice::Mouse)
        return std::min(progress, 3.0f);
    return intro_icon(prompts, progress) == intro_icon(prompts, 0.0f) ? 0.0f : 3.0f;
}

} // namespace

bool geometry_follows_progress(MoveEventKind kind) {
    switch (kind) {
    case MoveEventKind::Step:
    case MoveEventKind::Bump:
    case MoveEventKind::Vanish:
    case MoveEventKind::Exit:
        return true;
    case MoveEventKind::None:
    case MoveEventKind::Intro:
    case MoveEventKind::IrisIn:
    case MoveEventKind::Leaving:
        break;
    }
    return false;
}

BoardPicture board_picture(const BoardFrame& frame) {
    const MoveEvent& event = frame.event != nullptr ? *frame.event : no_event();
    BoardPicture picture;
    picture.puzzle = frame.puzzle;
    picture.history_length = frame.history_length;
    picture.kind = event.kind;
    picture.progress = event.kind == MoveEventKind::Intro
                           ? shown_intro_progress(frame.prompts, event.progress)
                           : event.progress;
    picture.snake = event.snake;
    picture.trailing = event.trailing;
    picture.event_cells = event.cells.size();
    picture.crawling = event.crawling;
    picture.selection = frame.selection;
    picture.prompts = frame.prompts;
    picture.hint = frame.hint;
    return picture;
}

BoardOverlays build_board_overlays(const BoardFrame& frame, const MoveEvent& event,
                                   const BoardCamera& camera, std::vector<ColorVertex>& overlay) {
    const Puzzle& puzzle = *frame.puzzle;
    const BoardAnimation animation = board_animation(event);
    BoardOverlays result;
    overlay.clear();
    if (frame.selection)
        add_selection_marker(overlay, puzzle, *frame.selection, animation);
    if (frame.hint)
        add_hint_arrow(overlay, *frame.hint);
    if (event.kind == MoveEventKind::Intro && frame.prompts == PromptDevice::Mouse)
        add_intro_ring(overlay, puzzle, event.progress);
    result.triangle_vertices = overlay.size();
    if (shows_iris(event.kind))
        add_iris_wipe(overlay, puzzle, camera, event.progress);

    if (event.kind == MoveEventKind::Intro)
        if (const auto icon = intro_icon(frame.prompts, event.progress))
            result.icons[0] = intro_icon_placement(puzzle, *icon);
    result.icons[1] = friend_hint(puzzle, frame.selection, frame.prompts, event.kind);
    return result;
}

} // namespace coilwend
