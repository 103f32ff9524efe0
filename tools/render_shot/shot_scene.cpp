#include "shot_scene.hpp"

#include "game/event_playback.hpp"
#include "levels/board_parser.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"

#include <cmath>
#include <deque>
#include <fstream>
#include <sstream>

namespace render_shot {
namespace {

using coilwend::MoveEventKind;

// Steps, bumps and exits run from +-1 to 0 with the sign naming the leading
// end; the other kinds count up from 0.
bool is_signed(MoveEventKind kind) {
    return kind == MoveEventKind::Step || kind == MoveEventKind::Bump ||
           kind == MoveEventKind::Exit;
}

// Parsed puzzles keep views into their picture and title, so both stay here.
struct LoadedBoard {
    std::string title;
    std::string picture;
    std::string file;
    coilwend::Level level;
};

const coilwend::Level* load_board(const ShotRequest& request, std::string& error) {
    static std::deque<LoadedBoard> loaded;
    std::ifstream in(request.board_file);
    if (!in) {
        error = "cannot read " + request.board_file;
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    LoadedBoard& board = loaded.emplace_back();
    board.title = request.title;
    board.picture = "\n" + text.str(); // the picture starts on the line after the call
    board.file = request.board_file;
    if (request.setting < 0 || request.setting > 255) {
        error = "setting out of range";
        return nullptr;
    }
    const coilwend::BoardText source{"shot.rs",     board.title, std::uint8_t(request.setting),
                                     board.picture, board.file,  0};
    coilwend::BoardParse parsed = coilwend::parse_board(source);
    if (!parsed.level) {
        error = parsed.error;
        return nullptr;
    }
    board.level = std::move(*parsed.level);
    return &board.level;
}

const coilwend::Level* find_catalogue_level(const std::string& id, std::string& error) {
    for (const coilwend::Level& candidate : coilwend::level_definitions())
        if (candidate.id == id)
            return &candidate;
    error = "No level called " + id;
    return nullptr;
}

} // namespace

ShotScene prepare_shot(const ShotRequest& request) {
    ShotScene scene;
    const coilwend::Level* level = request.board_file.empty()
                                       ? find_catalogue_level(request.level, scene.error)
                                       : load_board(request, scene.error);
    if (level == nullptr)
        return scene;
    coilwend::LevelPlay play = coilwend::start_level(level->puzzle, request.start);

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
