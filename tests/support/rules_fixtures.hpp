#pragma once
// Small boards and a cue recorder shared by the rules tests.

#include "game/level_play.hpp"

#include <initializer_list>
#include <vector>

namespace coilwend::testing {

struct CueRecorder : SoundCues {
    std::vector<int> cues;
    void play(std::uint8_t cue) override { cues.push_back(cue); }
};

inline std::vector<Pos> cells(std::initializer_list<std::pair<int, int>> list) {
    std::vector<Pos> out;
    for (auto [x, y] : list)
        out.push_back({static_cast<std::int8_t>(x), static_cast<std::int8_t>(y)});
    return out;
}

inline Snake snake(std::initializer_list<std::pair<int, int>> list, bool two_headed = false,
                   bool companion = false) {
    return Snake{cells(list), two_headed, companion};
}

// An empty open board with the exit far away in the top right corner.
inline Puzzle open_board(int width, int height) {
    Puzzle p;
    p.name = "Test";
    p.width = static_cast<std::uint8_t>(width);
    p.height = static_cast<std::uint8_t>(height);
    p.exit = {static_cast<std::int8_t>(width - 1), static_cast<std::int8_t>(height - 1)};
    return p;
}

// An open board with one plain snake on the given cells, its last cell leading.
inline Puzzle board_with_snake(int width, int height,
                               std::initializer_list<std::pair<int, int>> snake_cells) {
    Puzzle p = open_board(width, height);
    p.snakes = {snake(snake_cells)};
    return p;
}

inline Puzzle parallel() {
    Puzzle p = open_board(4, 3);
    p.name = "Parallel";
    p.exit = {0, 0};
    p.snakes = {snake({{3, 2}, {3, 1}, {3, 0}}), snake({{0, 1}, {1, 1}, {2, 1}}, false, true),
                snake({{0, 0}, {1, 0}, {2, 0}}, false, true)};
    return p;
}

inline Puzzle ekans() {
    Puzzle p = open_board(5, 4);
    p.name = "Ekans";
    p.exit = {0, 3};
    p.snakes = {snake({{2, 0}, {1, 0}, {0, 0}}), snake({{2, 1},
                                                        {3, 1},
                                                        {4, 1},
                                                        {4, 2},
                                                        {4, 3},
                                                        {3, 3},
                                                        {2, 3},
                                                        {1, 3},
                                                        {0, 3},
                                                        {0, 2},
                                                        {0, 1},
                                                        {1, 1},
                                                        {1, 2},
                                                        {2, 2}},
                                                       false, true)};
    return p;
}

// A LevelPlay on the puzzle with the given end selected and cues recorded.
struct Played {
    CueRecorder recorder;
    LevelPlay play;
    explicit Played(const Puzzle& puzzle,
                    std::optional<Selection> selection = Selection{0, false}) {
        play = make_level_play(puzzle);
        play.selection = selection;
        play.sounds = &recorder;
    }
    Played(const Played&) = delete;
    const Puzzle& now() const { return play.current(); }
};

} // namespace coilwend::testing
