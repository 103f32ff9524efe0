#pragma once
// The state of one puzzle at one moment: the catalogue's level definition,
// one element of the undo history and what the renderers draw.

#include "game/geometry.hpp"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace coilwend {

enum class ItemKind : std::uint8_t { Grow = 0, Shrink = 1 };

struct Item {
    ItemKind kind = ItemKind::Grow;
    Pos pos;
    friend bool operator==(const Item&, const Item&) = default;
};

struct Snake {
    std::vector<Pos> cells;  // from one end to the other; empty once it has left the board
    bool two_headed = false; // either end may lead
    bool companion = false;  // never counts for the exit and may not enter water
    friend bool operator==(const Snake&, const Snake&) = default;
};

// Left where an item was eaten; only drawn, never read by the rules.
struct EatenMark {
    Pos pos;
    std::uint64_t countdown = 0;
    friend bool operator==(const EatenMark&, const EatenMark&) = default;
};

struct Puzzle {
    std::string_view name; // static text shared by every copy
    std::uint8_t width = 0;
    std::uint8_t height = 0;
    std::vector<Pos> walls;
    std::vector<Item> items;
    std::vector<Pos> water;
    std::vector<Snake> snakes;
    Pos exit;
    std::vector<EatenMark> eaten_marks;
    std::uint8_t setting = 0;
    std::vector<Pos> targets;
    // Field by field in declaration order; the name compares by its text.
    friend bool operator==(const Puzzle&, const Puzzle&) = default;
};

// One catalogue entry: identifier such as "12.rs" and the starting puzzle.
struct Level {
    std::string_view id;
    Puzzle puzzle;
};

// Which snake end the player steers.
struct Selection {
    std::size_t snake = 0;
    bool front = false; // true: the first cell leads; false: the last cell leads
    friend bool operator==(const Selection&, const Selection&) = default;
};

struct HistoryEntry {
    Puzzle puzzle;
    std::optional<Selection> selection; // restored when this entry is undone
    bool reset = false;                 // a copy of the start pushed by a reset
};

bool on_board(const Puzzle& puzzle, Pos p);
bool is_wall(const Puzzle& puzzle, Pos p);
bool is_water(const Puzzle& puzzle, Pos p);
bool is_target(const Puzzle& puzzle, Pos p);
// The first item lying on p, if any.
const Item* item_at(const Puzzle& puzzle, Pos p);

// True when no snake cell and no item lies on p (walls and water do not count).
bool is_free(const Puzzle& puzzle, Pos p);
// Every target is under a snake cell or an item; true when there are no targets.
bool all_targets_covered(const Puzzle& puzzle);

Pos leading_cell(const Snake& snake, bool front);
Pos trailing_cell(const Snake& snake, bool front);

// The snake end that stands on the exit and finishes the level: the first
// non-companion snake whose last cell (or, if two-headed, first cell) is on the
// exit, provided all targets are covered. front tells which end is on the exit.
std::optional<Selection> finishing_end(const Puzzle& puzzle);
bool is_complete(const Puzzle& puzzle);

} // namespace coilwend
