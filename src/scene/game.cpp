#include "scene/game.hpp"

#include "audio/sound_switch.hpp"
#include "game/event_playback.hpp"
#include "game/log.hpp"
#include "input/command_table.hpp"
#include "input/input_device.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"
#include "overworld/progress_file.hpp"
#include "overworld/reveal.hpp"

#include <algorithm>
#include <cmath>

namespace coilwend {
namespace {

// Logged whenever the map starts taking input again, so support logs (and the
// headless tests) can tell the scenes apart.
constexpr std::string_view kMapReadyLine = "Overworld ready";

// Transition speeds, per pass of the main loop.
constexpr float kEnteringSpeed = 0.05f;   // 1.0 down past -1.0: about 41 passes
constexpr float kLeavingSpeed = 0.05f;    // -1.0 up past 1.0: about 41 passes
constexpr float kCompletingSpeed = 0.05f; // the pause before the reveal, about 21 passes
constexpr float kRevealingSpeed = 0.03f;  // about 34 passes
constexpr float kTitleSpeed = 0.025f;     // 0 up past 10.0: about 400 passes
constexpr float kTitleEnd = 10.0f;
constexpr float kSceneryPhaseSpeed = 0.015f;

// The title sequence: the words show from 1.0 to 5.0, the camera glides from
// the middle of the map to its first corner from 5.0 to 8.0.
constexpr float kTitleStartZoom = 0.01f;
constexpr float kTitleWordsFrom = 1.0f, kTitleWordsUntil = 5.0f;
constexpr float kTitleGlideFrom = 5.0f, kTitleGlideLength = 3.0f, kTitleGlideDone = 7.975f;
constexpr Vec3 kMapMiddle{94.5f, 104.5f, 0.0f};

// While entering or leaving, the map view closes in on the selected entry
// by up to this factor.
constexpr float kLevelCloseZoom = 4.0f;

constexpr Pairing<InputDevice, PromptDevice> kPromptDevices[] = {
    {InputDevice::Keyboard, PromptDevice::Keyboard},
    {InputDevice::Controller, PromptDevice::Controller},
    {InputDevice::Mouse, PromptDevice::Mouse},
};

PromptDevice prompt_device(InputDevice device) {
    return look_up<InputDevice, PromptDevice>(kPromptDevices, device).value_or(PromptDevice::Mouse);
}

// A hint's arrow shows this many passes, fading over the last of them.
constexpr std::uint32_t kHintPasses = 60;
constexpr float kHintFadePasses = 15.0f;

std::string direction_name(Direction d) {
    if (d == kLeft)
        return "Left";
    if (d == kRight)
        return "Right";
    return d == kUp ? "Up" : "Down";
}

void queue_record(SceneText& text, const Records& records, std::string_view id) {
    const auto found = records.find(id);
    if (found == records.end())
        return;
    text.queue_level_record(found->second, found->second == move_count(stored_solution(id)));
}

float ease_out(float t) {
    return t * (2.0f - t);
}

// Zoom changes by equal ratios per step, which looks like an even approach.
float zoom_between(float from, float to, float s) {
    return from * std::pow(to / from, s);
}

Vec3 lerp(Vec3 a, Vec3 b, float s) {
    return a + (b - a) * s;
}

bool any_completed(const std::vector<OverworldEntry>& levels) {
    return std::any_of(levels.begin(), levels.end(),
                       [](const OverworldEntry& e) { return e.state == State::Completed; });
}

} // namespace

// ---- Construction and outputs ----

Game::Game(StoredFile& save, const GameOutputs& outputs)
    : save_(save), out_(outputs), music_(outputs.music ? *outputs.music : silence_) {
    std::vector<OverworldEntry> levels = build_overworld_table();
    std::size_t selected = 0;
    load_progress(levels, selected, save_);
    if (out_.records != nullptr)
        records_ = load_records(*out_.records);
    const bool first_start = !any_completed(levels);
    world_ = make_overworld(std::move(levels), selected, screen_);
    start_music(entry_setting(world_.levels[world_.selected]));
    if (first_start)
        start_title();
    else
        log_line(kMapReadyLine);
}

void Game::set_screen(const MapScreen& screen) {
    // The view was limited for a square screen while the real one was not
    // known; the first real size puts it back on the selection.
    const bool first_size = screen_.drawable_height == 0;
    screen_ = screen;
    if (out_.board != nullptr)
        out_.board->set_window_size(screen.window_width, screen.window_height);
    update_level_camera();
    if (first_size)
        world_.camera.position = world_.camera.target =
            entry_centre(world_.levels[world_.selected]);
    if (transition_.kind != TransitionKind::Title)
        apply_view_limits(world_.camera, screen_.aspect());
}

void Game::save() {
    save_progress(world_.levels, world_.selected, save_);
}

void Game::set_music_volume(int volume) {
    if (!sound_muted())
        music_.set_volume(volume);
}

void Game::start_music(std::uint8_t setting) {
    music_setting_ = setting;
    music_.play_setting(setting);
}

void Game::follow_selection_music() {
    if (!selection_at_rest(world_))
        return;
    const std::uint8_t selected = entry_setting(world_.levels[world_.selected]);
    if (selected != music_setting_)
        start_music(selected);
}

void Game::start_title() {
    entry_hint_ = true; // a first start, or progress reset: nothing entered yet
    transition_ = {TransitionKind::Title, 0.0f, false, {}};
    world_.hold = {};
    world_.drag = {};
    world_.camera.position = world_.camera.target = entry_centre(world_.levels[world_.selected]);
    world_.camera.zoom = kTitleStartZoom;
}

void Game::reset_progress() {
    menu_.reset();
    play_.reset();
    level_camera_.reset();
    world_.levels = build_overworld_table();
    world_.selected = 0;
    start_music(entry_setting(world_.levels[0]));
    save();
    start_title();
}

// ---- Overworld input ----

bool Game::takes_map_input() const {
    return !play_ && !menu_ && transition_.kind == TransitionKind::Idle;
}

void Game::press_map_move(MapMove move, PressSource source) {
    if (takes_map_input())
        coilwend::press_map_move(world_, move, source, screen_);
}

void Game::release_map_move(MapMove move) {
    if (takes_map_input())
        coilwend::release_map_move(world_, move);
}

void Game::release_map_stick(bool horizontal) {
    if (takes_map_input())
        coilwend::release_map_stick(world_, horizontal);
}

void Game::enter_selected_level() {
    if (!takes_map_input())
        return;
    // Releases go to the level from now on, so nothing held on the map may
    // outlive the map.
    world_.hold = {};
    world_.drag = {};
    set_music_volume(kLevelMusicVolume);
    transition_ = {TransitionKind::EnteringLevel, 1.0f, false, {}};
}

void Game::map_pointer_pressed(float x, float y) {
    if (takes_map_input())
        coilwend::map_pointer_pressed(world_, screen_, x, y);
}

void Game::map_pointer_moved(float x, float y) {
    if (takes_map_input())
        coilwend::map_pointer_moved(world_, screen_, x, y);
}

void Game::map_pointer_released(float x, float y) {
    if (!takes_map_input())
        return;
    switch (coilwend::map_pointer_released(world_, screen_, x, y)) {
    case MapClick::EnterSelected:
        enter_selected_level();
        break;
    case MapClick::Selected:
        follow_selection_music();
        break;
    case MapClick::None:
        break;
    }
}

void Game::map_wheel(std::int32_t amount, float x, float y) {
    if (takes_map_input())
        wheel_zoom(world_, screen_, amount, x, y);
}

void Game::open_menu(bool keyboard_mode) {
    if (!takes_map_input())
        return;
    // Nothing held on the map may keep moving under the menu.
    world_.hold = {};
    world_.drag = {};
    menu_ = main_menu(keyboard_mode, 0);
}

// ---- Level play ----

LevelPlay* Game::level_play() {
    return play_ ? &*play_ : nullptr;
}

const BoardCamera* Game::level_camera() const {
    return level_camera_ ? &*level_camera_ : nullptr;
}

// The renderer builds the same camera from the same numbers when it draws the
// level, so the pointer maps to cells before the first frame is on screen.
void Game::update_level_camera() {
    if (!play_ || screen_.window_width == 0 || screen_.window_height == 0) {
        level_camera_.reset();
        return;
    }
    const Puzzle& puzzle = play_->current();
    level_camera_ =
        make_board_camera(screen_.window_width, screen_.window_height, puzzle.width, puzzle.height);
}

void Game::start_level() {
    const StartSelection selection = last_input_device() == InputDevice::Mouse
                                         ? StartSelection::None
                                         : StartSelection::FirstSnake;
    const std::string_view id = world_.levels[world_.selected].id;
    play_ = coilwend::start_level(find_level(id).puzzle, selection);
    play_->sounds = out_.sounds;
    entry_hint_ = false;
    hints_ = std::make_unique<HintSearch>(play_->start());
    hints_announced_ = false;
    shown_hint_.reset();
    update_level_camera();
    log_line("Entered level: " + std::string(id));
}

void Game::announce_hints() {
    if (hints_announced_ || !hints_ready())
        return;
    hints_announced_ = true;
    const auto milliseconds = static_cast<long>(hints_->seconds() * 1000.0);
    log_line("Hints ready in " + std::to_string(milliseconds) + " ms");
}

bool Game::hints_ready() const {
    return hints_ != nullptr && hints_->graph() != nullptr;
}

void Game::show_hint() {
    if (!play_ || !hints_ready())
        return;
    const Hint hint = hint_for(*hints_->graph(), play_->history, play_->selection);
    switch (hint.kind) {
    case Hint::Kind::Move:
        play_->selection = Selection{hint.move.snake, hint.move.front};
        log_line("Hint: snake " + std::to_string(hint.move.snake) +
                 (hint.move.front ? " front " : " ") + direction_name(hint.move.direction));
        break;
    case Hint::Kind::Dead:
        log_line("Hint: dead end, undo " + std::to_string(hint.undos));
        break;
    case Hint::Kind::Finished:
    case Hint::Kind::Unknown:
        return;
    }
    shown_hint_ = ShownHint{hint, play_->history.size(), 0};
}

// A shown arrow lasts about a second; any change of the history ends a hint.
void Game::age_hint() {
    if (!shown_hint_)
        return;
    ++shown_hint_->passes;
    if (play_->history.size() != shown_hint_->history_length ||
        (shown_hint_->hint.kind == Hint::Kind::Move && shown_hint_->passes > kHintPasses))
        shown_hint_.reset();
}

// Moves since the last reset: undone moves and moves before a reset do not count.
void Game::keep_record() {
    const std::string_view id = world_.levels[world_.selected].id;
    const auto moves = static_cast<std::uint32_t>(moves_since_reset(*play_));
    if (out_.records == nullptr || !note_record(records_, id, moves))
        return;
    log_line("New record for " + std::string(id) + ": " + std::to_string(moves) + " moves");
    save_records(records_, *out_.records);
}

void Game::leave_level(LevelEnd end) {
    if (!play_)
        return;
    play_.reset();
    hints_.reset();
    shown_hint_.reset();
    level_camera_.reset();
    set_music_volume(kFullVolume);
    transition_ = {TransitionKind::LeavingLevel, -1.0f, end == LevelEnd::Completed, {}};
}

// ---- The step ----

void Game::step() {
    if (update())
        draw();
}

bool Game::update() {
    advance_transition();
    if (play_) {
        repeat_held_command(*play_);
        step_stuck_phase(*play_);
        advance_front_event(*play_);
        age_hint();
        announce_hints();
        if (level_solved(*play_)) {
            keep_record();
            queue_level_buttons();
            leave_level(LevelEnd::Completed);
            return false;
        }
        return true;
    }
    coilwend::repeat_map_move(world_, screen_);
    follow_selection_music();
    update_overworld();
    return true;
}

void Game::advance_transition() {
    Transition& t = transition_;
    switch (t.kind) {
    case TransitionKind::Idle:
        break;
    case TransitionKind::EnteringLevel:
        t.progress -= kEnteringSpeed;
        if (t.progress < -1.0f) {
            t = {};
            start_level();
        }
        break;
    case TransitionKind::LeavingLevel:
        t.progress += kLeavingSpeed;
        if (t.progress > 1.0f)
            finish_leaving();
        break;
    case TransitionKind::Completing:
        if (t.progress <= 1.0f) {
            t.progress += kCompletingSpeed;
        } else {
            std::vector<Pos> revealed = reveal_around(world_.levels, world_.selected);
            const float start = revealed.empty() ? 1.0f : 0.0f;
            t = {TransitionKind::Revealing, start, false, std::move(revealed)};
        }
        break;
    case TransitionKind::Revealing:
        if (t.progress + kRevealingSpeed > 1.0f)
            finish_revealing();
        else
            t.progress += kRevealingSpeed;
        break;
    case TransitionKind::Title:
        t.progress += kTitleSpeed;
        if (t.progress > kTitleEnd) {
            t = {};
            apply_view_limits(world_.camera, screen_.aspect());
            log_line(kMapReadyLine);
        }
        break;
    }
}

void Game::finish_leaving() {
    OverworldEntry& entry = world_.levels[world_.selected];
    if (transition_.completed && entry.state != State::Completed) {
        entry.state = State::Completed;
        save();
        transition_ = {TransitionKind::Completing, 0.0f, false, {}};
    } else {
        transition_ = {};
        log_line(kMapReadyLine);
    }
}

void Game::finish_revealing() {
    transition_ = {};
    log_line(kMapReadyLine);
    const auto next = automatic_selection(world_.levels, world_.selected);
    if (!next)
        return;
    world_.selected = *next;
    follow_selection_music();
    save();
    world_.camera.target = entry_centre(world_.levels[*next]);
    apply_view_limits(world_.camera, screen_.aspect());
}

void Game::update_overworld() {
    if (screen_.drawable_width == 0)
        fatal("Need to set resolution");
    if (world_.levels[world_.selected].state == State::Hidden)
        fatal("assertion failed: self.levels[self.selected].state != State::Hidden");
    if (transition_.kind == TransitionKind::Title)
        advance_title_camera();
    else
        glide_toward_target(world_.camera);
    scenery_phase_ = std::fmod(scenery_phase_ + kSceneryPhaseSpeed, 1.0f);
    if (out_.map != nullptr)
        out_.map->advance_scenery(world_.levels.back().state == State::Completed);
}

// The title's camera follows its progress: the map grows from a speck in the
// middle of the screen to the whole map while the words show, then glides
// with an ease-out toward the closest view, into the corner where the first
// level lies. The view limits are off meanwhile.
void Game::advance_title_camera() {
    const float p = transition_.progress;
    MapCamera& camera = world_.camera;
    const float aspect = screen_.aspect();
    const Vec3 corner{100.5f - visible_width(kStartZoom) / 2,
                      98.5f + visible_height(kStartZoom, aspect) / 2, 0.0f};
    if (p < kTitleGlideFrom) {
        camera.position = camera.target = kMapMiddle;
        camera.zoom = zoom_between(kTitleStartZoom, kWholeMapZoom, ease_out(p / kTitleGlideFrom));
        return;
    }
    float t = (p - kTitleGlideFrom) / kTitleGlideLength;
    if (p > kTitleGlideDone)
        t = 1.0f;
    const float s = ease_out(std::min(t, 1.0f));
    camera.position = camera.target = lerp(kMapMiddle, corner, s);
    camera.zoom = zoom_between(kWholeMapZoom, kStartZoom, s);
}

void Game::draw() {
    queue_interface();
    draw_scene();
}

void Game::queue_interface() {
    if (play_)
        queue_level_buttons();
    else
        queue_overworld_words();
}

void Game::draw_scene() {
    level_drawn_last_ = play_.has_value();
    if (play_)
        draw_level();
    else
        draw_overworld();
}

bool Game::scene_changed() const {
    if (!play_ || !level_drawn_last_ || out_.board == nullptr)
        return true;
    // While stuck, or after a hint in a dead end, the level's buttons pulse.
    if (play_->stuck || (shown_hint_ && shown_hint_->hint.kind == Hint::Kind::Dead))
        return true;
    return !out_.board->shows_same(level_frame());
}

bool Game::only_idle_motion() const {
    return !play_ && transition_.kind == TransitionKind::Idle && !world_.hold.active &&
           world_.camera.position == world_.camera.target;
}

BoardFrame Game::level_frame() const {
    BoardFrame frame;
    frame.puzzle = &shown_entry(*play_).puzzle;
    frame.event = play_->events.empty() ? nullptr : &play_->events.front();
    frame.history_length = play_->history.size();
    frame.selection = play_->selection;
    frame.prompts = prompt_device(last_input_device());
    if (shown_hint_ && shown_hint_->hint.kind == Hint::Kind::Move) {
        const SolverMove& move = shown_hint_->hint.move;
        const Pos from = leading_cell(play_->current().snakes[move.snake], move.front);
        const float left = static_cast<float>(kHintPasses - shown_hint_->passes);
        frame.hint =
            HintArrow{from, move.direction, std::clamp(left / kHintFadePasses, 0.0f, 1.0f)};
    }
    return frame;
}

void Game::draw_level() {
    if (out_.board != nullptr)
        out_.board->draw(level_frame());
}

void Game::queue_level_buttons() {
    if (out_.buttons == nullptr || !level_camera_)
        return;
    LevelHelp help;
    if (shown_hint_ && shown_hint_->hint.kind == Hint::Kind::Dead) {
        help.undos_needed = shown_hint_->hint.undos;
        help.pulse = shown_hint_->passes;
    }
    out_.buttons->queue_level_buttons(*play_, *level_camera_, help);
}

void Game::draw_overworld() {
    const Transition& t = transition_;
    const OverworldEntry& selected = world_.levels[world_.selected];
    if (out_.map != nullptr) {
        // Entering and leaving close in on the selected entry: 0 on the map,
        // 1 at the level.
        float closeness = 0.0f;
        if (t.kind == TransitionKind::EnteringLevel || t.kind == TransitionKind::LeavingLevel)
            closeness = std::clamp((1.0f - t.progress) / 2.0f, 0.0f, 1.0f);
        MapCamera view = world_.camera;
        view.position = lerp(view.position, entry_centre(selected), closeness);
        view.zoom *= 1.0f + (kLevelCloseZoom - 1.0f) * closeness;

        OverworldFrame frame;
        frame.levels = world_.levels;
        frame.selected = world_.selected;
        frame.proj = map_projection(view, screen_.aspect());
        // The light's area shrinks with the zoom, so it closes in on the
        // level with the view; around the camera's target alone it would
        // miss a level the view limits keep off-centre.
        frame.camera_target = lerp(world_.camera.target, entry_centre(selected), closeness);
        frame.zoom = view.zoom;
        frame.window_width = screen_.window_width;
        frame.window_height = screen_.window_height;
        frame.drawable_width = screen_.drawable_width;
        frame.drawable_height = screen_.drawable_height;
        frame.scenery_phase = scenery_phase_;
        frame.menu_open = menu_.has_value();
        if (t.kind == TransitionKind::Completing)
            frame.completing_progress = std::min(t.progress, 1.0f);
        if (t.kind == TransitionKind::Revealing) {
            frame.revealed_cells = t.revealed;
            frame.reveal_progress = t.progress;
        }
        if (t.kind == TransitionKind::Title)
            frame.title_progress = t.progress;
        out_.map->draw(frame);
    }
}

void Game::queue_overworld_words() {
    const Transition& t = transition_;
    const OverworldEntry& selected = world_.levels[world_.selected];
    if (out_.text != nullptr) {
        // The menu's own lines reach down to where the title sits.
        if (t.kind != TransitionKind::Title && !menu_) {
            out_.text->queue_level_title(level_title(find_level(selected.id)), entry_hint_);
            queue_record(*out_.text, records_, selected.id);
        } else if (t.progress >= kTitleWordsFrom && t.progress < kTitleWordsUntil)
            out_.text->queue_game_title(t.progress);
    }
}

} // namespace coilwend
