// Skipping frames of a still level: whenever the board's picture key says a
// frame shows the same as the last drawn one, everything the renderer would
// upload for it (snakes, pieces, overlays, icons) is indeed the same; and the
// snakes and pieces of the intro and the irises do not move with progress, so
// their shadows need no new pass.

#include "board_renderer/board_picture.hpp"
#include "board_renderer/board_scratch.hpp"
#include "board_renderer/dynamic_geometry.hpp"
#include "game/event_playback.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace coilwend;

namespace {

template <typename T> bool same_bytes(const std::vector<T>& a, const std::vector<T>& b) {
    return a.size() == b.size() &&
           (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool same_icon(const std::optional<IconPlacement>& a, const std::optional<IconPlacement>& b) {
    if (!a || !b)
        return a.has_value() == b.has_value();
    return a->icon == b->icon && a->half_size == b->half_size && a->centre.x == b->centre.x &&
           a->centre.y == b->centre.y && a->centre.z == b->centre.z;
}

// Everything a board frame uploads besides the level's fixed ground.
struct Drawn {
    std::vector<FacetVertex> snakes;
    std::vector<MeshVertex> pieces;
    std::vector<ColorVertex> overlay;
    BoardOverlays overlays;

    bool operator==(const Drawn& o) const {
        return same_bytes(snakes, o.snakes) && same_bytes(pieces, o.pieces) &&
               same_bytes(overlay, o.overlay) &&
               overlays.triangle_vertices == o.overlays.triangle_vertices &&
               same_icon(overlays.icons[0], o.overlays.icons[0]) &&
               same_icon(overlays.icons[1], o.overlays.icons[1]);
    }
};

Drawn what_is_drawn(const BoardFrame& frame, const BoardCamera& camera) {
    static const MoveEvent none;
    const MoveEvent& event = frame.event ? *frame.event : none;
    BoardScratch& scratch = board_scratch();
    build_dynamic_geometry(*frame.puzzle, event, scratch);
    Drawn drawn{scratch.snakes, scratch.pieces, {}, {}};
    drawn.overlays = build_board_overlays(frame, event, camera, drawn.overlay);
    return drawn;
}

BoardFrame frame_of(const LevelPlay& play, PromptDevice prompts) {
    BoardFrame frame;
    frame.puzzle = &shown_entry(play).puzzle;
    frame.event = play.events.empty() ? nullptr : &play.events.front();
    frame.history_length = play.history.size();
    frame.selection = play.selection;
    frame.prompts = prompts;
    return frame;
}

struct Tally {
    int drawn = 0;
    int skipped = 0;
};

// Plays random detours (moves, blocked moves, undos, snake changes, pauses),
// then a reset and the level's solution to its exit, a pass at a time as the
// scene flow does, and checks every pass the key calls unchanged against the
// last drawn one.
Tally play_and_compare(std::string_view id, PromptDevice prompts, std::uint32_t seed) {
    const Puzzle& start = find_level(id).puzzle;
    LevelPlay play = start_level(start, StartSelection::FirstSnake);
    const BoardCamera camera = make_board_camera(1280, 720, start.width, start.height);
    const std::string letters(stored_solution(id));
    std::mt19937 random(seed);
    std::optional<BoardPicture> last_key;
    Drawn last;
    Tally tally;
    std::size_t next = 0;
    for (int pass = 0; pass < 3000 && !level_solved(play); ++pass) {
        if (pass == 1000) {
            reset(play);
            play.selection = keyboard_start_selection(start);
            next = 0;
        } else if (pass > 1000 && pass % 9 == 0 && next < letters.size()) {
            play_letters(play, letters.substr(next++, 1));
        } else if (pass > 200 && pass < 1000 && pass % 9 == 0) {
            switch (random() % 8) {
            case 0:
                play_letters(play, std::string(1, "UDLR"[random() % 4]));
                break;
            case 1:
                run_command(play, command::kUndo);
                break;
            case 2:
                cycle_selection(play, true);
                break;
            default:
                if (next < letters.size())
                    play_letters(play, letters.substr(next++, 1));
                break;
            }
        }
        repeat_held_command(play);
        step_stuck_phase(play);
        advance_front_event(play);
        const BoardFrame frame = frame_of(play, prompts);
        const BoardPicture key = board_picture(frame);
        const Drawn now = what_is_drawn(frame, camera);
        if (last_key && *last_key == key) {
            EXPECT_TRUE(now == last) << id << " pass " << pass << ": a skipped frame would differ";
            ++tally.skipped;
        } else {
            last_key = key;
            last = now;
            ++tally.drawn;
        }
    }
    EXPECT_TRUE(level_solved(play)) << id;
    return tally;
}

} // namespace

TEST(BoardPicture, GivenPlayWithDetours_ThenEverySkippedFrameEqualsTheLastDrawnOne) {
    // The first level's looping intro, a two-snake hint level, a large board.
    std::string friend_level;
    for (const Level& level : level_definitions())
        if (level.puzzle.name == "A Friend")
            friend_level = std::string(level.id);
    ASSERT_FALSE(friend_level.empty());
    for (const std::string& id :
         {std::string("38.rs"), friend_level, std::string("3.rs"), std::string("8.rs")})
        for (const PromptDevice prompts :
             {PromptDevice::Keyboard, PromptDevice::Mouse, PromptDevice::Controller}) {
            const Tally tally = play_and_compare(id, prompts, 7);
            // Still passes are skipped and animated ones drawn.
            EXPECT_GT(tally.skipped, 150) << id;
            EXPECT_GT(tally.drawn, 50) << id;
        }
}

TEST(BoardPicture, GivenTheIntroWithKeys_ThenItsLoopDrawsTwoFramesInsteadOf133) {
    const Puzzle& start = find_level("38.rs").puzzle;
    LevelPlay play = start_level(start, StartSelection::FirstSnake);
    ASSERT_EQ(play.events.front().kind, MoveEventKind::Intro);
    std::vector<BoardPicture> keys;
    for (int pass = 0; pass < 134 * 3; ++pass) {
        advance_front_event(play);
        const BoardPicture key = board_picture(frame_of(play, PromptDevice::Keyboard));
        if (keys.empty() || keys.back() != key)
            keys.push_back(key);
    }
    EXPECT_LE(keys.size(), 7u);
    EXPECT_GE(keys.size(), 5u) << "the icon still changes";
}

TEST(BoardPicture, GivenEveryLevel_ThenIntroAndIrisGeometryIsTheSameAtAnyProgress) {
    for (const Level& level : level_definitions()) {
        for (const MoveEventKind kind :
             {MoveEventKind::Intro, MoveEventKind::IrisIn, MoveEventKind::Leaving}) {
            ASSERT_FALSE(geometry_follows_progress(kind));
            std::optional<Drawn> first;
            for (const float progress : {0.0f, 0.3f, 0.99f, 1.7f, 3.5f}) {
                MoveEvent event;
                event.kind = kind;
                event.progress = progress;
                BoardScratch& scratch = board_scratch();
                build_dynamic_geometry(level.puzzle, event, scratch);
                Drawn drawn{scratch.snakes, scratch.pieces, {}, {}};
                if (!first)
                    first = drawn;
                EXPECT_TRUE(drawn == *first) << level.id << " kind " << int(kind);
            }
        }
    }
}
