#include "shot_scene.hpp"

#include "game/event_playback.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"

#include <cmath>

namespace render_shot {
namespace {

using coilwend::MoveEventKind;

// Steps, bumps and exits run from +-1 to 0 with the sign naming the leading
// end; the other kinds count up from 0.
bool is_signed(MoveEventKind kind) {
    return kind == MoveEventKind::Step || kind == MoveEventKind::Bump ||
           kind == MoveEventKind::Exit;
}

} // namespace

ShotScene prepare_shot(const ShotRequest& request) {
    ShotScene scene;
    const coilwend::Level* level = nullptr;
    for (const coilwend::Level& candidate : coilwend::level_definitions())
        if (candidate.id == request.level)
            level = &candidate;
    if (level == nullptr) {
        scene.error = "No level called " + request.level;
        return scene;
    }
    coilwend::LevelPlay play =
        coilwend::start_level(level->puzzle, coilwend::StartSelection::FirstSnake);

    if (request.intro) {
        if (!request.moves.empty()) {
            scene.error = "the opening can only be shown before any move";
            return scene;
        }
        play.events.front().progress = *request.intro;
        scene.play = std::move(play);
        return scene;
    }

    play.events.clear();
    const std::string_view moves = request.moves;
    if (!moves.empty()) {
        if (!coilwend::play_letters(play, moves.substr(0, moves.size() - 1))) {
            scene.error = "moves may only hold the letters U, D, L, R and N";
            return scene;
        }
        play.events.clear();
        if (!coilwend::play_letters(play, moves.substr(moves.size() - 1))) {
            scene.error = "moves may only hold the letters U, D, L, R and N";
            return scene;
        }
    }
    if (request.progress && !play.events.empty()) {
        play.events.resize(1);
        coilwend::MoveEvent& event = play.events.front();
        event.progress = is_signed(event.kind)
                             ? std::copysign(std::fabs(*request.progress), event.progress)
                             : *request.progress;
    } else {
        play.events.clear();
    }
    scene.play = std::move(play);
    return scene;
}

} // namespace render_shot
