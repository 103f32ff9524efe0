#pragma once
// The scene controller that the main loop owns and steps once per pass: the
// overworld, the level being played, the transitions between them and the
// title sequence, and the moments progress is saved and the music changes.
//
// Sections: construction and outputs; overworld input; level play; the step.

#include "audio/music_control.hpp"
#include "game/level_play.hpp"
#include "levels/hint.hpp"
#include "overworld/overworld.hpp"
#include "overworld/records_file.hpp"
#include "scene/board_view.hpp"
#include "scene/level_overlay.hpp"
#include "scene/menu_state.hpp"
#include "scene/overworld_view.hpp"
#include "scene/scene_text.hpp"
#include "storage/stored_file.hpp"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace coilwend {

enum class LevelEnd : std::uint8_t { Abandoned, Completed };

enum class TransitionKind : std::uint8_t {
    Idle = 0,
    EnteringLevel = 1, // progress 1.0 down past -1.0
    LeavingLevel = 2,  // progress -1.0 up past 1.0
    Completing = 3,    // progress 0 up past 1.0, after a first completion
    Revealing = 4,     // progress 0 (1.0 when nothing is revealed) up past 1.0
    Title = 5,         // progress 0 up past 10.0
};

struct Transition {
    TransitionKind kind = TransitionKind::Idle;
    float progress = 0.0f;
    bool completed = false;    // LeavingLevel: the level was solved
    std::vector<Pos> revealed; // Revealing: the cells that just opened
};

// Where the game draws, plays and saves. Null views draw nothing (tests).
struct GameOutputs {
    BoardView* board = nullptr;
    OverworldView* map = nullptr;
    MusicControl* music = nullptr;   // null: silent
    SceneText* text = nullptr;       // null: no words over the map
    SoundCues* sounds = nullptr;     // where the levels' cues go; null: silent
    LevelOverlay* buttons = nullptr; // null: no buttons over the level
    StoredFile* records = nullptr;   // each level's fewest moves; null: none kept
};

class Game {
  public:
    // Reads the progress file; a save without a completed level is a first
    // start and plays the title sequence. The file and the outputs must
    // outlive the game.
    Game(StoredFile& save, const GameOutputs& outputs = {});
    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    // The window's size in window units and the drawable's in pixels.
    void set_screen(const MapScreen& screen);

    // Overworld input; the shell sends it only while no level is played and
    // no transition runs (each call checks again).
    bool takes_map_input() const;
    void press_map_move(MapMove move, PressSource source);
    void release_map_move(MapMove move);
    // The stick back inside the threshold: ends only the hold it started.
    void release_map_stick(bool horizontal);
    void enter_selected_level();
    void map_pointer_pressed(float x, float y);
    void map_pointer_moved(float x, float y);
    void map_pointer_released(float x, float y);
    void map_wheel(std::int32_t amount, float x, float y);
    // Opens the main menu page over the map: from the exit binding or Start
    // with one item highlighted, from the on-screen button without.
    void open_menu(bool keyboard_mode);
    // The open menu page, null when none is open; the menu owns the input then.
    const MenuState* menu() const { return menu_ ? &*menu_ : nullptr; }
    // The page the menu's last input led to; none closes it.
    void set_menu(const std::optional<MenuState>& page) { menu_ = page; }

    // Wipes all progress: a new table, the first entry selected and saved,
    // the music restarted, and the title sequence again.
    void reset_progress();

    // The level being played, or null on the overworld.
    LevelPlay* level_play();
    // The camera the played level is shown with, known from the level's
    // first pass (before it is drawn); null on the overworld.
    const BoardCamera* level_camera() const;
    // Leaves the played level; a solved level counts once its animations end.
    void leave_level(LevelEnd end);
    // Shows the next move of a shortest solution from the played position
    // (selecting the end to move and drawing an arrow), or in a dead end
    // how many undos lead out. Nothing until the level's graph is built.
    void show_hint();
    // True once the played level's hints are ready (tests wait for it).
    bool hints_ready() const;
    // The fewest moves each finished level took, by identifier.
    const Records& records() const { return records_; }

    bool transition_running() const { return transition_.kind != TransitionKind::Idle; }
    const Transition& transition() const { return transition_; }
    const Overworld& overworld() const { return world_; }
    const std::vector<OverworldEntry>& levels() const { return world_.levels; }
    std::size_t selected() const { return world_.selected; }
    float scenery_phase() const { return scenery_phase_; }

    // One pass of the main loop followed by its frame: update, then draw.
    void step();
    // One pass: everything that counts passes advances here, never in draw,
    // so a slow machine can run several passes per drawn frame. Returns false
    // when a solved level was left this pass, in which case nothing of the
    // scene is drawn.
    bool update();
    // Draws what the passes so far left; advances nothing. The same as
    // queue_interface() then draw_scene().
    void draw();
    // Queues the scene's words and buttons for the interface.
    void queue_interface();
    // Draws the scene through its renderer.
    void draw_scene();
    // False when drawing now would show exactly the last drawn scene: a level
    // at rest. The map always moves (its plume and selection ring).
    bool scene_changed() const;
    // True on the map while only its idle motion plays (the breathing cursor,
    // the plume): no transition, no held move, the view at rest.
    bool only_idle_motion() const;

  private:
    void start_level();
    void advance_transition();
    void finish_leaving();
    void finish_revealing();
    void advance_title_camera();
    void update_overworld();
    void start_title();
    // Starts the track of a setting from its beginning and remembers it.
    void start_music(std::uint8_t setting);
    // The one path by which the music follows the selection, however it
    // moved: once the selection is at rest, the selected level's track
    // replaces the playing one if their settings differ.
    void follow_selection_music();
    void save();
    void set_music_volume(int volume);
    void update_level_camera();
    BoardFrame level_frame() const;
    void draw_level();
    void queue_level_buttons();
    void draw_overworld();
    void queue_overworld_words();
    void age_hint();
    void announce_hints();
    void keep_record();

    StoredFile& save_;
    GameOutputs out_;
    NullMusic silence_;
    MusicControl& music_;
    std::uint8_t music_setting_ = 0; // the setting whose track is playing
    MapScreen screen_;
    Overworld world_;
    Transition transition_;
    bool entry_hint_ = false; // no level entered since the title: say how to enter one
    float scenery_phase_ = 0.0f;
    std::optional<LevelPlay> play_;
    std::optional<BoardCamera> level_camera_;
    std::optional<MenuState> menu_;
    std::unique_ptr<HintSearch> hints_;
    bool hints_announced_ = false; // "Hints ready" logged for the played level
    // The hint being shown, and the history length it was given for: any move,
    // undo or reset ends it.
    struct ShownHint {
        Hint hint;
        std::size_t history_length = 0;
        std::uint32_t passes = 0;
    };
    std::optional<ShownHint> shown_hint_;
    Records records_;
    bool level_drawn_last_ = false; // the last draw showed a level, not the map
};

} // namespace coilwend
