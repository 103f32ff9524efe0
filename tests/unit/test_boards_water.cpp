// The boards of the water area: every one is about water that friends cannot
// enter, the first is a short swimming lesson, the area ends with its longest
// puzzles, and the last two titles keep their promise.

#include "game/level_play.hpp"
#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <set>

using namespace coilwend;

namespace {

// The area in overworld order.
constexpr std::array<std::string_view, 14> kWaterArea{"40.rs", "28.rs", "47.rs", "48.rs", "76.rs",
                                                      "65.rs", "66.rs", "p3.rs", "24.rs", "36.rs",
                                                      "37.rs", "23.rs", "91.rs", "90.rs"};

constexpr std::array<Direction, 4> kSteps{kUp, kDown, kLeft, kRight};

bool on_water(const Puzzle& puzzle, const Snake& snake) {
    return std::any_of(snake.cells.begin(), snake.cells.end(),
                       [&](Pos p) { return is_water(puzzle, p); });
}

// Plays the stored solution and counts the moves that leave the moved snake
// with a cell in the water.
std::size_t wet_moves(std::string_view id) {
    const Puzzle& start = find_level(id).puzzle;
    LevelPlay play = start_keyboard_play(start);
    std::size_t wet = 0;
    for (const char letter : stored_solution(id)) {
        const std::size_t before = play.history.size();
        const auto selected = play.selection;
        EXPECT_TRUE(play_letters(play, std::string_view(&letter, 1)));
        if (play.history.size() > before && selected &&
            on_water(play.current(), play.current().snakes[selected->snake]))
            ++wet;
    }
    EXPECT_TRUE(is_complete(play.current())) << id;
    return wet;
}

std::string key_of(const Puzzle& puzzle) {
    std::string key;
    for (const Snake& snake : puzzle.snakes) {
        for (const Pos p : snake.cells) {
            key += static_cast<char>(p.x);
            key += static_cast<char>(p.y);
        }
        key += '|';
    }
    return key;
}

// Every position reachable by moving only the snakes `moving` picks.
template <typename Pick, typename Visit>
bool explore(const Puzzle& start, Pick moving, Visit stop_at) {
    std::set<std::string> seen{key_of(start)};
    std::deque<Puzzle> queue{start};
    while (!queue.empty()) {
        const Puzzle at = std::move(queue.front());
        queue.pop_front();
        if (stop_at(at))
            return true;
        for (std::size_t s = 0; s < at.snakes.size(); ++s) {
            if (!moving(at.snakes[s]) || at.snakes[s].cells.empty())
                continue;
            for (const Direction d : kSteps) {
                auto next = apply_move(at, s, false, d);
                if (next && seen.insert(key_of(next->puzzle)).second)
                    queue.push_back(std::move(next->puzzle));
            }
        }
    }
    return false;
}

// Whether the friends can do all their moving first and leave the player a
// way to the exit that it then takes alone.
bool friends_first_then_player_alone(const Puzzle& start) {
    const auto friends = [](const Snake& s) { return s.companion; };
    const auto player = [](const Snake& s) { return !s.companion; };
    return explore(start, friends, [&](const Puzzle& arranged) {
        return explore(arranged, player, [](const Puzzle& p) { return is_complete(p); });
    });
}

} // namespace

TEST(WaterBoards, GivenTheAreaThenOnlyMechanicsTaughtSoFarAppearAndThereIsAlwaysWater) {
    for (const std::string_view id : kWaterArea) {
        SCOPED_TRACE(id);
        const Puzzle& start = find_level(id).puzzle;
        EXPECT_EQ(start.setting, 2);
        EXPECT_FALSE(start.water.empty());
        EXPECT_TRUE(start.items.empty());
        EXPECT_TRUE(start.targets.empty());
        for (const Snake& snake : start.snakes)
            EXPECT_FALSE(snake.two_headed);
    }
}

TEST(WaterBoards, GivenEveryLevelAfterTheLessonThenAFriendStandsAtTheWatersEdge) {
    for (std::size_t i = 1; i < kWaterArea.size(); ++i) {
        SCOPED_TRACE(kWaterArea[i]);
        const Puzzle& start = find_level(kWaterArea[i]).puzzle;
        const bool friend_by_water =
            std::any_of(start.snakes.begin(), start.snakes.end(), [&](const Snake& snake) {
                return snake.companion &&
                       std::any_of(snake.cells.begin(), snake.cells.end(), [&](Pos p) {
                           return std::any_of(kSteps.begin(), kSteps.end(), [&](Direction d) {
                               return on_board(start, step(p, d)) && is_water(start, step(p, d));
                           });
                       });
            });
        EXPECT_TRUE(friend_by_water);
    }
}

TEST(WaterBoards, GivenEveryStoredSolutionThenItSwimsOnTheWayToTheExit) {
    for (const std::string_view id : kWaterArea) {
        SCOPED_TRACE(id);
        EXPECT_GT(wet_moves(id), 0u);
    }
}

TEST(WaterBoards, GivenTheFirstLevelThenItIsAShortSwimmingLessonForOneSnake) {
    const Puzzle& start = find_level(kWaterArea.front()).puzzle;
    EXPECT_LE(move_count(stored_solution(kWaterArea.front())), 12u);
    EXPECT_EQ(start.snakes.size(), 1u);
}

TEST(WaterBoards, GivenTheAreaThenItEndsWithItsLongestPuzzles) {
    std::size_t long_ones = 0;
    for (const std::string_view id : kWaterArea)
        long_ones += move_count(stored_solution(id)) >= 25 ? 1 : 0;
    EXPECT_GE(long_ones, 3u);
    for (const std::string_view id : {kWaterArea[12], kWaterArea[13]})
        EXPECT_GE(move_count(stored_solution(id)), 30u) << id;
}

TEST(WaterBoards, GivenHelplessThenTheFriendsCanClearTheWayBeforeTheSnakeMoves) {
    EXPECT_TRUE(friends_first_then_player_alone(find_level("91.rs").puzzle));
}

TEST(WaterBoards, GivenHelpfulThenTheSnakeMustMoveBeforeTheFriendsAreDone) {
    EXPECT_FALSE(friends_first_then_player_alone(find_level("90.rs").puzzle));
}
