#pragma once
// The object that plays one level: the undo history, the selection, the queue
// of animations and the small bits of input state that survive frames.

#include "game/board_camera.hpp"
#include "game/move_event.hpp"
#include "game/puzzle.hpp"
#include "game/sound_cues.hpp"

#include <cstdint>
#include <deque>
#include <optional>
#include <vector>

namespace coilwend {

struct BumpMemory {
    std::int8_t dx = 0;
    std::int8_t dy = 0;
    friend bool operator==(const BumpMemory&, const BumpMemory&) = default;
};

// What undo took back, with the selection that came with it, for redo.
struct RedoEntry {
    HistoryEntry entry;
    std::optional<Selection> selection;
};

struct LevelPlay {
    std::vector<HistoryEntry> history;   // never empty; [0] is the start, back() the current puzzle
    std::vector<RedoEntry> redo;         // back() is redone first; a new move clears it
    std::optional<Selection> selection;  // the snake end that moves act on
    std::deque<MoveEvent> events;        // animations waiting for the renderer
    std::uint64_t random = 1;            // xorshift64* state for movement sounds
    std::optional<std::uint32_t> stuck;  // pulse phase while no snake can move
    std::uint32_t repeat_active = 0;     // non-zero while a held command repeats
    std::uint32_t repeat_countdown = 0;  // passes left before the next repeat
    std::uint8_t repeat_command = 0;     // the held command code
    std::optional<BumpMemory> last_bump; // direction of the last blocked move
    std::optional<Pos> press_cell;       // where the pointer went down
    SoundCues* sounds = nullptr;         // where cues go; none plays when null

    const Puzzle& current() const;
    const Puzzle& start() const;
};

// A LevelPlay whose history holds a copy of the level's starting puzzle.
LevelPlay make_level_play(const Puzzle& start);

// Command codes of run_command.
namespace command {
inline constexpr std::uint8_t kUndo = 0, kLeft = 1, kRight = 2, kUp = 3, kDown = 4;
}
Direction command_direction(std::uint8_t code); // codes other than 1..3 act as Down

// Move rules.
bool can_move(const Puzzle& puzzle, Pos target, std::size_t snake, bool front);
std::vector<Pos> moved_cells(const std::vector<Pos>& cells, Pos lead_to, bool front,
                             std::optional<ItemKind> eaten);
void try_move(LevelPlay& play, Direction direction, bool by_pointer);

// The pure heart of a legal move, shared by try_move and the solver: the
// puzzle after the given snake end steps one cell, or nothing when the step is
// blocked. Does not look at completion.
struct MoveResult {
    Puzzle puzzle;
    std::optional<ItemKind> eaten; // the item eaten by leaving the old leading cell
};
std::optional<MoveResult> apply_move(const Puzzle& puzzle, std::size_t snake, bool front,
                                     Direction direction);
// True when no snake end of the puzzle has a legal step.
bool no_moves_left(const Puzzle& puzzle);

// Selection and pointer steering.
// Every end the player can steer, in cycling order: each snake's last cell,
// then, for a two-headed snake, its first cell.
std::vector<Selection> selectable_ends(const Puzzle& puzzle);
void cycle_selection(LevelPlay& play, bool forward);
// The camera is the one the level is shown with, so the pointer maps to the
// cells the player sees.
void steer_to_pointer(LevelPlay& play, const BoardCamera& camera, std::uint32_t px,
                      std::uint32_t py);

// History.
void run_command(LevelPlay& play, std::uint8_t code);
void undo(LevelPlay& play);
void reset(LevelPlay& play);
// Puts back what undo took back, one step at a time, until a new move is
// made; after a reset it re-applies the moves from before it.
void redo(LevelPlay& play);
// The moves that led from the start to the current position: neither undone
// moves nor moves before the last reset count.
std::size_t moves_since_reset(const LevelPlay& play);

// The xorshift64* step shared by movement sounds and scenery: advances the
// state and returns the scrambled output.
std::uint64_t xorshift64star(std::uint64_t& state);

} // namespace coilwend
