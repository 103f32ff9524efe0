// The scene flow without GL: the title of a first start, entering and
// leaving levels, what a first completion reveals and saves, the music's
// cues, the reset of all progress, and level play inside the flow (held
// commands, animations, the pointer from a level's first pass).

#include "audio/sound_switch.hpp"
#include "board_renderer/board_picture.hpp"
#include "game/event_playback.hpp"
#include "input/input_device.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "scene/board_view.hpp"
#include "scene/game.hpp"
#include "support/memory_stored_file.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <thread>
#include <vector>

using namespace coilwend;

namespace {

constexpr MapScreen kScreen{1280, 720, 1280, 720};

// Starts with the given bytes (none: no file) and keeps every write.
struct RecordingSave : testing_support::MemoryStoredFile {
    explicit RecordingSave(std::optional<std::string> start = std::nullopt)
        : MemoryStoredFile("/prefs/save", std::move(start)) {}
};

struct RecordingBoard final : BoardView {
    std::vector<BoardFrame> frames;
    BoardCamera view;
    std::uint32_t width = 0, height = 0;
    void set_window_size(std::uint32_t w, std::uint32_t h) override {
        width = w;
        height = h;
    }
    void draw(const BoardFrame& frame) override {
        frames.push_back(frame);
        last = board_picture(frame);
    }
    bool shows_same(const BoardFrame& frame) const override {
        return last && *last == board_picture(frame);
    }
    const BoardCamera& camera() const override { return view; }
    std::optional<BoardPicture> last;
};

struct RecordingMap final : OverworldView {
    struct Frame {
        std::size_t selected;
        std::optional<float> title, completing;
        std::vector<Pos> revealed;
        Vec3 light_centre;
        float zoom;
    };
    std::vector<Frame> frames;
    int scenery_passes = 0;
    void advance_scenery(bool) override { ++scenery_passes; }
    void draw(const OverworldFrame& f) override {
        frames.push_back({f.selected,
                          f.title_progress,
                          f.completing_progress,
                          {f.revealed_cells.begin(), f.revealed_cells.end()},
                          f.camera_target,
                          f.zoom});
    }
};

struct RecordingMusic final : MusicControl {
    std::vector<std::string> calls;
    void set_volume(int v) override { calls.push_back("volume " + std::to_string(v)); }
    void play_setting(std::uint8_t s) override { calls.push_back("play " + std::to_string(s)); }
};

struct RecordingText final : SceneText {
    std::vector<std::string> lines;
    void queue_level_title(std::string_view title, bool entry_hint) override {
        lines.emplace_back(std::string(title) + (entry_hint ? " +hint" : ""));
    }
    void queue_level_record(std::uint32_t moves, bool shortest) override {
        lines.push_back("best " + std::to_string(moves) + (shortest ? " *" : ""));
    }
    void queue_game_title(float) override { lines.emplace_back("<title>"); }
};

// A game with every output recorded, on a 1280 x 720 screen.
struct Rig {
    RecordingSave save;
    RecordingBoard board;
    RecordingMap map;
    RecordingMusic music;
    RecordingText text;
    testing_support::MemoryStoredFile records{"/prefs/records"};
    Game game;
    explicit Rig(std::optional<std::string> bytes = std::nullopt)
        : save(std::move(bytes)),
          game(save, {&board, &map, &music, &text, nullptr, nullptr, &records}) {
        game.set_screen(kScreen);
    }
    // Steps until the condition holds; returns the passes taken.
    template <typename Done> int step_until(Done done, int limit = 2000) {
        int passes = 0;
        while (!done() && passes < limit) {
            game.step();
            ++passes;
        }
        EXPECT_LT(passes, limit);
        return passes;
    }
    int enter() {
        game.enter_selected_level();
        return step_until([&] { return game.level_play() != nullptr; });
    }
    int settle() {
        return step_until([&] { return !game.level_play() && !game.transition_running(); });
    }
    // Enters the selected level and plays its stored solution to the end.
    void solve_selected() {
        enter();
        LevelPlay& play = *game.level_play();
        ASSERT_TRUE(play_letters(play, stored_solution(game.levels()[game.selected()].id)));
        settle();
    }
};

// The run_command code of a step in a direction.
std::uint8_t command_of(Direction direction) {
    if (direction == kLeft)
        return command::kLeft;
    if (direction == kRight)
        return command::kRight;
    return direction == kUp ? command::kUp : command::kDown;
}

struct GameTest : ::testing::Test {
    GameTest() { set_last_input_device(InputDevice::Keyboard); }
    ~GameTest() override {
        set_last_input_device(InputDevice::Mouse);
        set_sound_muted(false);
    }
};

std::size_t index_of(const Game& game, std::string_view id) {
    for (std::size_t i = 0; i < game.levels().size(); ++i)
        if (game.levels()[i].id == id)
            return i;
    ADD_FAILURE() << id;
    return 0;
}

// Every level but the final one and `open` completed, `open` selected.
std::string all_but(std::string_view open) {
    std::string text;
    for (const OverworldEntry& entry : build_overworld_table())
        if (entry.id != open && entry.id != "89.rs")
            text += "completed:" + std::string(entry.id) + "\n";
    return text + "selected:" + std::string(open) + "\n";
}

} // namespace

TEST_F(GameTest, GivenNoSave_ThenTheTitlePlaysForAbout400PassesAndTheMapFollows) {
    Rig rig;
    EXPECT_EQ(rig.game.transition().kind, TransitionKind::Title);
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{"play 0"}));
    const int passes = rig.settle();
    EXPECT_GE(passes, 399);
    EXPECT_LE(passes, 402);
    EXPECT_TRUE(rig.save.writes.empty());
    // Title frames carry their progress; the words show from 1.0 to 5.0 only,
    // and the level's title from the first pass after the sequence.
    ASSERT_EQ(rig.map.frames.size(), std::size_t(passes));
    EXPECT_TRUE(rig.map.frames.front().title.has_value());
    const auto words = std::count(rig.text.lines.begin(), rig.text.lines.end(), "<title>");
    EXPECT_NEAR(double(words), 160.0, 2.0);
    rig.game.step();
    EXPECT_EQ(rig.text.lines.back(), "Humble Beginnings +hint")
        << "a first start says how to enter the level";
    EXPECT_FALSE(rig.map.frames.back().title.has_value());
    // The glide ends six cells across in the first level's corner, the
    // first level in view.
    const MapCamera& camera = rig.game.overworld().camera;
    EXPECT_FLOAT_EQ(camera.zoom, 4.0f / 6.0f);
    EXPECT_FLOAT_EQ(camera.position.x, 97.5f);
    EXPECT_NEAR(camera.position.y, 100.0f, 1.5f);

    // Once a level has been entered, even left unsolved, the hint is gone.
    rig.enter();
    rig.game.leave_level(LevelEnd::Abandoned);
    rig.settle();
    rig.game.step();
    EXPECT_EQ(rig.text.lines.back(), "Humble Beginnings");
}

TEST_F(GameTest, GivenASave_ThenTheMapStartsOnTheSelectionOnceTheScreenIsKnown) {
    // Before the first size the view is limited for a square screen; the
    // real one must not leave it off the selected level.
    Rig rig("completed:38.rs\ncompleted:3.rs\nselected:57.rs\n");
    const MapCamera& camera = rig.game.overworld().camera;
    EXPECT_FLOAT_EQ(camera.position.y, 101.0f) << "57.rs is at (98, 101)";
    EXPECT_FLOAT_EQ(camera.position.x, 97.5f) << "held inside the view limits";
    EXPECT_EQ(camera.target, camera.position);
}

TEST_F(GameTest, GivenASave_WhenEnteredAndLeftWithEscape_ThenNothingIsSavedOrRevealed) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    EXPECT_FALSE(rig.game.transition_running()) << "not a first start";
    EXPECT_EQ(rig.game.selected(), 1u);
    rig.music.calls.clear();
    const int entering = rig.enter();
    EXPECT_GE(entering, 40);
    EXPECT_LE(entering, 42);
    LevelPlay& play = *rig.game.level_play();
    EXPECT_EQ(play.current().name, level_title(find_level("3.rs")));
    EXPECT_EQ(play.selection, (Selection{0, false}));
    EXPECT_FALSE(rig.game.transition_running());
    rig.game.leave_level(LevelEnd::Abandoned);
    const int leaving = rig.settle();
    EXPECT_GE(leaving, 40);
    EXPECT_LE(leaving, 42);
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{"volume 35", "volume 127"}));
    EXPECT_TRUE(rig.save.writes.empty());
    EXPECT_EQ(rig.game.levels()[2].state, State::Hidden);
}

TEST_F(GameTest, GivenTheMouseOrSoundOff_WhenALevelStarts_ThenNoSnakeAndNoVolumeChange) {
    set_last_input_device(InputDevice::Mouse);
    set_sound_muted(true);
    Rig rig("completed:38.rs\n");
    rig.enter();
    EXPECT_FALSE(rig.game.level_play()->selection.has_value());
    rig.game.leave_level(LevelEnd::Abandoned);
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{"play 0"}));
}

TEST_F(GameTest, GivenAFirstCompletion_ThenItSavesRevealsAutoSelectsAndSavesAgain) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    rig.map.frames.clear();
    rig.solve_selected();
    const std::string completed = "completed:38.rs\ncompleted:3.rs\n";
    ASSERT_EQ(rig.save.writes.size(), 2u);
    EXPECT_EQ(rig.save.writes[0], completed + "selected:3.rs\n");
    EXPECT_EQ(rig.save.writes[1], completed + "selected:57.rs\n");
    EXPECT_EQ(rig.game.selected(), index_of(rig.game, "57.rs"));
    EXPECT_EQ(rig.game.levels()[1].state, State::Completed);
    // The camera heads for 57.rs at (98, 101), held inside the view limits:
    // six cells across, x stays at or below 100.5 - 3.
    EXPECT_FLOAT_EQ(rig.game.overworld().camera.target.x, 97.5f);
    EXPECT_FLOAT_EQ(rig.game.overworld().camera.target.y, 101.0f);
    // Of the cells around 3.rs at (99, 101) only 57.rs at (98, 101) was hidden.
    std::vector<Pos> revealed;
    int completing = 0;
    for (const auto& frame : rig.map.frames) {
        completing += frame.completing.has_value();
        if (!frame.revealed.empty())
            revealed = frame.revealed;
    }
    EXPECT_NEAR(completing, 22, 1);
    EXPECT_EQ(revealed, (std::vector<Pos>{{98, 101}}));
    EXPECT_EQ(rig.game.levels()[index_of(rig.game, "57.rs")].state, State::Available);

    // Solving it again is quiet: no save, no reveal, no new selection.
    rig.game.press_map_move(MapMove::Right, PressSource::Button);
    rig.game.release_map_move(MapMove::Right);
    ASSERT_EQ(rig.game.selected(), 1u);
    rig.solve_selected();
    EXPECT_EQ(rig.save.writes.size(), 2u);
    EXPECT_EQ(rig.game.selected(), 1u);
}

TEST_F(GameTest, GivenOneLevelLeft_WhenItIsCompleted_ThenTheFinalLevelOpensWithTheReveal) {
    Rig rig(all_but("3.rs"));
    EXPECT_EQ(rig.game.levels().back().state, State::Locked);
    rig.solve_selected();
    EXPECT_EQ(rig.game.levels().back().state, State::Available);
    ASSERT_EQ(rig.save.writes.size(), 1u) << "every neighbour is completed: no auto-selection";
    EXPECT_EQ(rig.game.selected(), 1u);
}

TEST_F(GameTest, GivenProgress_WhenReset_ThenOneSaveOfTheFirstLevelAndTheTitleAgain) {
    Rig rig("completed:38.rs\ncompleted:3.rs\nselected:82.rs\n");
    rig.music.calls.clear();
    rig.game.reset_progress();
    EXPECT_EQ(rig.save.writes, (std::vector<std::string>{"selected:38.rs\n"}));
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{"play 0"}));
    EXPECT_EQ(rig.game.transition().kind, TransitionKind::Title);
    EXPECT_EQ(rig.game.levels(), build_overworld_table());
    EXPECT_FLOAT_EQ(rig.game.overworld().camera.zoom, 0.01f);
}

TEST_F(GameTest, GivenLevelsInTheCornerAndMidMap_WhenEntered_ThenTheLightKeepsThemInItsArea) {
    // 38.rs in the map's corner, and the level nearest the middle of the map.
    const auto table = build_overworld_table();
    const auto middle = std::min_element(table.begin(), table.end(), [](auto& a, auto& b) {
        const auto far = [](const OverworldEntry& e) {
            return std::hypot(entry_centre(e).x - 94.5f, entry_centre(e).y - 104.5f);
        };
        return far(a) < far(b);
    });
    for (const std::string_view id : {std::string_view("38.rs"), middle->id}) {
        Rig rig(all_but(id));
        const Vec3 level = entry_centre(rig.game.levels()[rig.game.selected()]);
        rig.map.frames.clear();
        rig.enter();
        ASSERT_GT(rig.map.frames.size(), 5u);
        EXPECT_GT(rig.map.frames.back().zoom, 2 * rig.map.frames.front().zoom);
        // The light's area reaches 3 / zoom cells from its centre.
        for (const auto& frame : rig.map.frames) {
            const Vec3 off = level - frame.light_centre;
            EXPECT_LT(std::hypot(off.x, off.y), 3.0f / frame.zoom) << id << " zoom " << frame.zoom;
        }
    }
}

TEST_F(GameTest, GivenAClickOnAnotherSetting_ThenTheMusicChangesButNothingIsSaved) {
    Rig rig(all_but("3.rs"));
    rig.music.calls.clear();
    // Out to the whole map, then a click on 39.rs at (98, 106), which is in
    // another setting than 3.rs.
    rig.game.map_wheel(-10, 640, 360);
    rig.step_until(
        [&] { return rig.game.overworld().camera.position == rig.game.overworld().camera.target; });
    const std::size_t target = index_of(rig.game, "39.rs");
    ASSERT_NE(find_level("39.rs").puzzle.setting, find_level("3.rs").puzzle.setting);
    const Mat4 proj = map_projection(rig.game.overworld().camera, kScreen.aspect());
    const Vec4 clip = proj * Vec4{98, 106, 0, 1};
    const float px = (clip.x + 1) / 2 * 1280, py = (1 - clip.y) / 2 * 720;
    rig.game.map_pointer_pressed(px, py);
    rig.game.map_pointer_released(px, py);
    EXPECT_EQ(rig.game.selected(), target);
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{
                                   "play " + std::to_string(find_level("39.rs").puzzle.setting)}));
    EXPECT_TRUE(rig.save.writes.empty());
}

TEST_F(GameTest, GivenAHeldDirection_ThenTheMusicFollowsTheSelectionOnceItComesToRest) {
    Rig rig(all_but("3.rs"));
    rig.music.calls.clear();
    const auto setting_of = [&](std::size_t index) {
        return find_level(rig.game.levels()[index].id).puzzle.setting;
    };
    const std::uint8_t start = setting_of(rig.game.selected());
    // Held left, the selection walks the row from 3.rs into another setting.
    rig.game.press_map_move(MapMove::Left, PressSource::Button);
    std::vector<std::uint8_t> passed;
    for (int pass = 0; pass < 120; ++pass) {
        rig.game.step();
        if (passed.empty() || passed.back() != setting_of(rig.game.selected()))
            passed.push_back(setting_of(rig.game.selected()));
    }
    ASSERT_GE(passed.size(), 2u) << "the walk leaves the first setting";
    EXPECT_TRUE(rig.music.calls.empty()) << "no track change while the direction repeats";
    rig.game.release_map_move(MapMove::Left);
    rig.game.step();
    const std::uint8_t rest = setting_of(rig.game.selected());
    ASSERT_NE(rest, start);
    EXPECT_EQ(rig.music.calls, (std::vector<std::string>{"play " + std::to_string(rest)}));

    // Back to a level of the first setting by the keys: the playing track is
    // what the move is compared with, so the first setting's track returns.
    rig.music.calls.clear();
    for (int moves = 0; moves < 20 && setting_of(rig.game.selected()) != start; ++moves) {
        rig.game.press_map_move(MapMove::Right, PressSource::Button);
        rig.game.release_map_move(MapMove::Right);
        rig.game.step();
    }
    rig.game.step();
    ASSERT_FALSE(rig.music.calls.empty());
    EXPECT_EQ(rig.music.calls.back(), "play " + std::to_string(start));
    EXPECT_TRUE(rig.save.writes.empty()) << "moving the selection saves nothing";
}

TEST_F(GameTest, GivenNoDrawableSize_WhenTheMapIsStepped_ThenTheGameStops) {
    RecordingSave save("completed:38.rs\n");
    Game game(save);
    EXPECT_DEATH(game.step(), "Need to set resolution");
}

TEST_F(GameTest, GivenAWindow_WhenALevelStarts_ThenThePointerSteersOnItsFirstPass) {
    Rig rig("completed:38.rs\n");
    rig.enter();
    EXPECT_EQ(rig.board.width, 1280u);
    EXPECT_EQ(rig.board.frames.size(), 1u) << "the level's first pass";
    const BoardCamera* camera = rig.game.level_camera();
    ASSERT_NE(camera, nullptr);
    LevelPlay& play = *rig.game.level_play();
    // Point at the neighbour the stored solution steps to first.
    ASSERT_TRUE(play_letters(play, stored_solution("38.rs").substr(0, 1)));
    const Pos next = play.current().snakes[0].cells.back();
    undo(play);
    const Vec4 clip = camera->view_projection * Vec4{float(next.x), float(next.y), 0, 1};
    steer_to_pointer(play, *camera, std::uint32_t((clip.x / clip.w + 1) / 2 * 1280),
                     std::uint32_t((1 - clip.y / clip.w) / 2 * 720));
    EXPECT_EQ(play.current().snakes[0].cells.back(), next);
}

TEST_F(GameTest, GivenAHeldUndo_WhenTheGameSteps_ThenItRepeatsOnThe26thPassAndEvery11th) {
    Rig rig("completed:38.rs\n");
    rig.enter();
    LevelPlay& play = *rig.game.level_play();
    const std::string_view letters = stored_solution("38.rs");
    ASSERT_TRUE(play_letters(play, letters.substr(0, 4)));
    const std::size_t made = play.history.size();
    press_held_command(play, command::kUndo);
    ASSERT_EQ(play.history.size(), made - 1) << "a press acts at once";
    std::vector<int> undone_at;
    for (int pass = 1; pass <= 40; ++pass) {
        const std::size_t before = play.history.size();
        rig.game.step();
        if (play.history.size() != before)
            undone_at.push_back(pass);
    }
    EXPECT_EQ(undone_at, (std::vector<int>{26, 37}));
}

TEST_F(GameTest, GivenQueuedMoves_WhenDrawn_ThenEachFrameShowsTheFrontEventsEntry) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    rig.enter();
    LevelPlay& play = *rig.game.level_play();
    ASSERT_EQ(play.events.front().kind, MoveEventKind::IrisIn);
    rig.board.frames.clear();
    const std::string_view letters = stored_solution("3.rs");
    ASSERT_TRUE(play_letters(play, letters.substr(0, letters.find_first_of("UDLR") + 2)));
    const std::size_t made = play.history.size();
    rig.step_until([&] { return play.events.empty(); });
    rig.game.step();
    // The iris plays over the start, then each step over its own entry.
    std::vector<std::size_t> shown;
    for (const BoardFrame& frame : rig.board.frames) {
        EXPECT_EQ(frame.history_length, made);
        for (std::size_t i = 0; i < play.history.size(); ++i)
            if (&play.history[i].puzzle == frame.puzzle)
                shown.push_back(i);
    }
    ASSERT_EQ(shown.size(), rig.board.frames.size());
    EXPECT_EQ(shown.front(), 0u);
    EXPECT_TRUE(std::is_sorted(shown.begin(), shown.end()));
    EXPECT_EQ(shown.back(), made - 1);
    EXPECT_EQ(rig.board.frames.back().event, nullptr);
}

TEST_F(GameTest, GivenTheMenuOpen_ThenTheMapTakesNoInputAndAResetClosesIt) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    rig.game.open_menu(true);
    ASSERT_NE(rig.game.menu(), nullptr);
    EXPECT_EQ(*rig.game.menu(), main_menu(true, 0));
    rig.text.lines.clear();
    rig.game.enter_selected_level();
    rig.game.step();
    EXPECT_FALSE(rig.game.transition_running()) << "the menu owns the input";
    EXPECT_TRUE(rig.text.lines.empty()) << "no level title under the menu";

    rig.game.reset_progress();
    EXPECT_EQ(rig.game.menu(), nullptr);
    EXPECT_EQ(rig.game.transition().kind, TransitionKind::Title);

    rig.settle();
    rig.enter();
    rig.game.open_menu(true);
    EXPECT_EQ(rig.game.menu(), nullptr) << "only the map opens the menu";
}

TEST_F(GameTest, GivenHintsFollowedToTheFinish_ThenTheRecordCountsMovesSinceTheResetWithItsStar) {
    Rig rig("completed:38.rs\nselected:38.rs\n");
    for (int solve = 0; solve < 2; ++solve) {
        rig.enter();
        while (!rig.game.hints_ready())
            std::this_thread::yield();
        LevelPlay& play = *rig.game.level_play();
        for (int moves = 0; moves < 40 && !is_complete(play.current()); ++moves) {
            rig.game.show_hint();
            ASSERT_FALSE(rig.board.frames.empty());
            rig.game.step();
            const auto arrow = rig.board.frames.back().hint;
            ASSERT_TRUE(arrow.has_value()) << "a hint draws its arrow";
            ASSERT_TRUE(play.selection.has_value());
            const Pos lead =
                leading_cell(play.current().snakes[play.selection->snake], play.selection->front);
            EXPECT_EQ(arrow->from, lead) << "the arrow starts at the selected end";
            run_command(play, command_of(arrow->direction));
            // The second time, three moves are made and reset: they do not count.
            if (solve == 1 && moves == 2)
                reset(play);
        }
        rig.settle();
    }
    EXPECT_EQ(rig.records.writes, (std::vector<std::string>{"38.rs:8\n"}));
    rig.text.lines.clear();
    rig.game.step();
    EXPECT_EQ(rig.text.lines, (std::vector<std::string>{"Humble Beginnings", "best 8 *"}));
    EXPECT_TRUE(rig.save.writes.empty()) << "hints and records never write the progress file";
}

namespace {

// What one pass left, for comparing sessions pass by pass.
struct PassTrace {
    TransitionKind kind;
    float progress;
    std::size_t selected;
    float scenery_phase;
    int scenery_passes;
    std::size_t history;
    std::size_t events;
    float front_progress;
    std::uint32_t stuck;
    friend bool operator==(const PassTrace&, const PassTrace&) = default;
};

// One drawn frame, said in words: which pass it followed and what it showed.
struct DrawnFrame {
    std::size_t pass;
    std::string shown;
    friend bool operator==(const DrawnFrame&, const DrawnFrame&) = default;
};

struct Session {
    std::vector<PassTrace> passes;
    std::vector<DrawnFrame> frames;
};

std::string describe_last_draw(Rig& rig, std::size_t boards, std::size_t maps) {
    if (rig.board.frames.size() > boards) {
        const BoardFrame& f = rig.board.frames.back();
        const LevelPlay& play = *rig.game.level_play();
        std::size_t index = play.history.size();
        for (std::size_t i = 0; i < play.history.size(); ++i)
            if (&play.history[i].puzzle == f.puzzle)
                index = i;
        return "board " + std::to_string(index) + "/" + std::to_string(f.history_length) + " " +
               (f.event
                    ? std::to_string(int(f.event->kind)) + "@" + std::to_string(f.event->progress)
                    : "-");
    }
    if (rig.map.frames.size() > maps) {
        const RecordingMap::Frame& f = rig.map.frames.back();
        return "map " + std::to_string(f.selected) + " " + std::to_string(f.title.value_or(-1)) +
               " " + std::to_string(f.completing.value_or(-1)) + " " +
               std::to_string(f.revealed.size()) + " " + std::to_string(rig.map.scenery_passes);
    }
    return "nothing";
}

// A first start through the title, into the first level, its solution
// played a letter at a time, the completion and the reveal, drawn after every
// `per_frame` passes as the main loop does on a slow machine.
Session play_first_level(std::size_t per_frame) {
    Rig rig;
    Session session;
    const std::string_view letters = stored_solution("38.rs");
    std::size_t played = 0;
    std::size_t pass = 0;
    bool solved = false;
    std::size_t since_solved = 0;
    auto done = [&] { return pass >= 3000 || since_solved >= 60; };
    while (!done()) {
        bool scene = true;
        for (std::size_t i = 0; i < per_frame && scene && !done(); ++i, ++pass) {
            // Input before the pass, chosen by the state alone.
            if (!rig.game.transition_running() && !rig.game.level_play() && played == 0)
                rig.game.enter_selected_level();
            if (LevelPlay* play = rig.game.level_play();
                play && played < letters.size() && play->events.size() < 2 && pass % 7 == 0)
                play_letters(*play, letters.substr(played++, 1));
            scene = rig.game.update();
            solved |= played == letters.size() && !rig.game.level_play();
            since_solved += solved ? 1 : 0;
            const LevelPlay* play = rig.game.level_play();
            const Transition& t = rig.game.transition();
            session.passes.push_back(
                {t.kind, t.progress, rig.game.selected(), rig.game.scenery_phase(),
                 rig.map.scenery_passes, play ? play->history.size() : 0,
                 play ? play->events.size() : 0,
                 play && !play->events.empty() ? play->events.front().progress : 0.0f,
                 play && play->stuck ? *play->stuck : 0u});
        }
        const std::size_t boards = rig.board.frames.size(), maps = rig.map.frames.size();
        if (scene)
            rig.game.draw();
        session.frames.push_back({pass, describe_last_draw(rig, boards, maps)});
    }
    EXPECT_TRUE(solved);
    return session;
}

} // namespace

TEST_F(GameTest, GivenSeveralPassesPerFrame_ThenEveryPassAndEveryFrameIsAsWhenEachPassIsDrawn) {
    const Session each = play_first_level(1);
    ASSERT_GT(each.passes.size(), 500u);
    for (const std::size_t per_frame : {2u, 3u, 4u}) {
        const Session slow = play_first_level(per_frame);
        ASSERT_EQ(slow.passes.size(), each.passes.size()) << per_frame << " passes a frame";
        EXPECT_TRUE(slow.passes == each.passes) << per_frame << " passes a frame";
        // Each frame shows what the pass it follows showed when every pass was drawn.
        for (const DrawnFrame& frame : slow.frames) {
            ASSERT_LE(frame.pass, each.frames.size());
            EXPECT_EQ(frame, each.frames[frame.pass - 1]) << per_frame << " passes a frame";
        }
        EXPECT_LT(slow.frames.size(), each.frames.size() / per_frame + 3);
    }
}

TEST_F(GameTest, GivenTheMapAtRest_ThenOnlyItsIdleMotionPlaysUntilSomethingElseMoves) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    rig.settle();
    rig.game.step();
    EXPECT_TRUE(rig.game.only_idle_motion()) << "the map at rest";
    // A held move moves the selection and the view glides after it.
    rig.game.press_map_move(MapMove::Right, PressSource::Button);
    EXPECT_FALSE(rig.game.only_idle_motion()) << "a held move";
    rig.game.release_map_move(MapMove::Right);
    rig.step_until([&] { return rig.game.only_idle_motion(); });
    rig.game.enter_selected_level();
    EXPECT_FALSE(rig.game.only_idle_motion()) << "entering a level";
    rig.enter();
    EXPECT_FALSE(rig.game.only_idle_motion()) << "in a level";
}

TEST_F(GameTest, GivenALevelAtRest_ThenItsSceneIsUnchangedUntilSomethingMoves) {
    Rig rig("completed:38.rs\nselected:3.rs\n");
    // A pass as the main loop runs it: the frame is drawn only when it changed.
    auto pass_drawn = [&] {
        rig.game.update();
        if (!rig.game.scene_changed())
            return false;
        rig.game.draw();
        return true;
    };
    EXPECT_TRUE(pass_drawn()) << "the map always moves";
    rig.enter();
    LevelPlay& play = *rig.game.level_play();
    // The opening iris is drawn every pass, then the level at rest once.
    int drawn = 0, passes = 0;
    while (!play.events.empty()) {
        drawn += pass_drawn() ? 1 : 0;
        ++passes;
    }
    EXPECT_EQ(drawn, passes);
    for (int pass = 0; pass < 100; ++pass)
        EXPECT_FALSE(pass_drawn()) << pass;
    // A move is drawn on every pass it plays, and its end once.
    ASSERT_TRUE(play_letters(play, stored_solution("3.rs").substr(0, 1)));
    drawn = passes = 0;
    while (!play.events.empty()) {
        drawn += pass_drawn() ? 1 : 0;
        ++passes;
    }
    EXPECT_GE(passes, 5);
    EXPECT_EQ(drawn, passes);
    EXPECT_FALSE(pass_drawn());
    // The stuck pulse moves the buttons every pass.
    play.stuck = 0;
    EXPECT_TRUE(pass_drawn());
    EXPECT_TRUE(pass_drawn());
    play.stuck.reset();
    // Leaving draws the map again.
    rig.game.leave_level(LevelEnd::Abandoned);
    EXPECT_TRUE(pass_drawn());
}
