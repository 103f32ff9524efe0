#pragma once
// Boards drawn at random from a size and a cast, the starting points of a
// search for a mechanic nobody has sketched yet.

#include "game/puzzle.hpp"

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

namespace coilwend::board_lab {

struct SnakeShape {
    std::size_t length = 3;
    bool companion = false;
    bool two_headed = false;
};

struct Cast {
    std::uint8_t width = 5;
    std::uint8_t height = 4;
    std::uint8_t setting = 0;
    std::vector<SnakeShape> snakes{};
    std::size_t walls = 0;
    std::size_t water = 0;
    std::size_t grow = 0;
    std::size_t shrink = 0;
    std::size_t targets = 0;
};

// A random self-avoiding walk of `length` cells a snake may stand on among
// the pieces of `around`; empty when none was found in a few tries.
std::optional<std::vector<Pos>> random_snake_cells(const Puzzle& around, std::size_t length,
                                                   bool companion, std::mt19937_64& rng);

// Walls, water, targets, the exit, the snakes and the items, each on a free
// cell; empty when the board ran out of room.
std::optional<Puzzle> random_board(const Cast& cast, std::mt19937_64& rng);

Pos random_cell(const Puzzle& puzzle, std::mt19937_64& rng);
std::size_t pick(std::mt19937_64& rng, std::size_t n);

} // namespace coilwend::board_lab
