// The boards of the item area: every one is about its items, the first is a
// short lesson, and each keeps to the mechanics the player has met so far.

#include "levels/catalogue.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <gtest/gtest.h>

#include <array>

using namespace coilwend;

namespace {

// The area in overworld order.
constexpr std::array<std::string_view, 6> kItemArea{"39.rs", "10.rs", "16.rs",
                                                    "86.rs", "52.rs", "64.rs"};

} // namespace

TEST(ItemBoards, GivenTheAreaThenEachStoredSolutionEatsAnItemOnTheWay) {
    for (const std::string_view id : kItemArea) {
        SCOPED_TRACE(id);
        const Puzzle& start = find_level(id).puzzle;
        ASSERT_FALSE(start.items.empty());
        LevelPlay play = start_keyboard_play(start);
        ASSERT_TRUE(play_letters(play, stored_solution(id)));
        EXPECT_TRUE(is_complete(play.current()));
        EXPECT_LT(play.current().items.size(), start.items.size());
    }
}

TEST(ItemBoards, GivenTheAreaThenOnlyMechanicsTaughtBeforeItAppear) {
    for (const std::string_view id : kItemArea) {
        SCOPED_TRACE(id);
        const Puzzle& start = find_level(id).puzzle;
        EXPECT_EQ(start.setting, 1);
        EXPECT_TRUE(start.targets.empty());
        for (const Snake& snake : start.snakes)
            EXPECT_FALSE(snake.two_headed);
    }
}

TEST(ItemBoards, GivenTheFirstLevelOfTheAreaThenItIsAShortLessonInGrowing) {
    const Puzzle& start = find_level(kItemArea.front()).puzzle;
    EXPECT_LE(move_count(stored_solution(kItemArea.front())), 12u);
    for (const Item& item : start.items)
        EXPECT_EQ(item.kind, ItemKind::Grow);
    EXPECT_EQ(start.snakes.size(), 1u);
}
