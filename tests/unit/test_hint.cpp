// Hints over the whole catalogue: following them from every start finishes
// each level in its shortest number of moves, and in a dead end they count
// the undos back to a position that still leads out.

#include "game/level_play.hpp"
#include "levels/catalogue.hpp"
#include "levels/hint.hpp"
#include "levels/solution_letters.hpp"
#include "levels/solutions.hpp"

#include <gtest/gtest.h>

#include <algorithm>

using namespace coilwend;

namespace {

// Plays the hinted move with the real rules, as a player would.
void follow(LevelPlay& play, const Hint& hint) {
    play.selection = Selection{hint.move.snake, hint.move.front};
    try_move(play, hint.move.direction, false);
}

} // namespace

TEST(Hint, GivenEveryLevelWhenHintsAreFollowedFromTheStartThenItFinishesInItsShortestLength) {
    for (const Level& level : level_definitions()) {
        SCOPED_TRACE(level.id);
        HintSearch search(level.puzzle);
        const PositionGraph& graph = search.wait();
        ASSERT_FALSE(graph.gave_up());
        LevelPlay play = make_level_play(level.puzzle);
        std::size_t moves = 0;
        for (Hint hint = hint_for(graph, play.history, play.selection);
             hint.kind == Hint::Kind::Move && moves < 500;
             hint = hint_for(graph, play.history, play.selection)) {
            const std::size_t before = play.history.size();
            follow(play, hint);
            ASSERT_EQ(play.history.size(), before + 1) << "the hinted move was refused";
            ++moves;
        }
        EXPECT_TRUE(is_complete(play.current()));
        EXPECT_EQ(hint_for(graph, play.history, play.selection).kind, Hint::Kind::Finished);
        if (!stored_solution(level.id).empty()) {
            EXPECT_EQ(moves, move_count(stored_solution(level.id)));
        }
    }
}

TEST(Hint, GivenADeadEndThenItCountsTheUndosBackAndAfterThemPointsTheWayAgain) {
    int dead_ends_tried = 0;
    for (const Level& level : level_definitions()) {
        if (dead_ends_tried == 25)
            break;
        HintSearch search(level.puzzle);
        const PositionGraph& graph = search.wait();
        for (const PositionEdge& first : graph.edges(0)) {
            if (graph.distance(first.target) != kNoFinish)
                continue;
            SCOPED_TRACE(level.id);
            LevelPlay play = make_level_play(level.puzzle);
            follow(play, {Hint::Kind::Move, first.move, 0});
            // Wander on for a few moves: every one of them stays dead.
            std::size_t made = 1;
            for (std::size_t step = 0; step < 3; ++step) {
                const auto at = graph.find(play.current());
                ASSERT_TRUE(at);
                const auto onward = graph.edges(*at);
                if (onward.empty())
                    break;
                follow(play, {Hint::Kind::Move, onward.front().move, 0});
                ++made;
            }
            const Hint hint = hint_for(graph, play.history, play.selection);
            ASSERT_EQ(hint.kind, Hint::Kind::Dead);
            EXPECT_EQ(hint.undos, made);
            for (std::size_t i = 0; i < hint.undos; ++i)
                undo(play);
            EXPECT_EQ(hint_for(graph, play.history, play.selection).kind, Hint::Kind::Move);
            ++dead_ends_tried;
            break;
        }
    }
    EXPECT_GT(dead_ends_tried, 20);
}

TEST(Hint, GivenAPositionOfAnotherLevelThenItIsUnknownAndDroppingARunningSearchStopsIt) {
    const PositionGraph graph(find_level("38.rs").puzzle);
    const LevelPlay other = make_level_play(find_level("89.rs").puzzle);
    EXPECT_EQ(hint_for(graph, other.history, other.selection).kind, Hint::Kind::Unknown);
    // The largest level, dropped at once: the destructor must not wait for the whole search.
    { HintSearch dropped(find_level("89.rs").puzzle); }
}
