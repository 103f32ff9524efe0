#include "support/rules_fixtures.hpp"

#include <gtest/gtest.h>

#include <random>

using namespace coilwend;
using namespace coilwend::testing;

namespace {

TEST(Undo, WithOnlyTheStartDoesNothingAndPlaysNoSound) {
    Played game(parallel());
    undo(game.play);
    EXPECT_EQ(game.play.history.size(), 1u);
    EXPECT_TRUE(game.recorder.cues.empty());
    EXPECT_EQ(game.play.selection, (Selection{0, false}));
}

TEST(Undo, CommandMoveReselectsTheEndThatMovedAndPointerMoveLeavesNone) {
    Puzzle p = open_board(5, 3);
    p.snakes = {snake({{0, 0}, {1, 0}}), snake({{0, 2}, {1, 2}}, true)};
    Played game(p, Selection{1, true});
    try_move(game.play, kDown, false); // the front end of snake 1 by command
    game.play.selection = Selection{0, false};
    try_move(game.play, kRight, true); // snake 0 by pointer
    game.play.events.push_back(MoveEvent{});

    undo(game.play);
    EXPECT_FALSE(game.play.selection.has_value());
    EXPECT_TRUE(game.play.events.empty()) << "undo drops pending animations";
    EXPECT_EQ(game.recorder.cues.back(), cue::kUndo);
    undo(game.play);
    EXPECT_EQ(game.play.selection, (Selection{1, true}));
    EXPECT_EQ(game.now(), p);
}

TEST(Reset, OnAnUnchangedPuzzleClearsStuckButAppendsNothing) {
    Played game(parallel());
    game.play.stuck = 7;
    reset(game.play);
    EXPECT_FALSE(game.play.stuck.has_value());
    EXPECT_EQ(game.play.history.size(), 1u);
    EXPECT_TRUE(game.recorder.cues.empty());
}

TEST(Reset, AppendsTheStartAndOneUndoBringsBackThePuzzleBeforeIt) {
    Played game(parallel(), Selection{1, false});
    run_command(game.play, command::kDown); // blocked by snake 2: a bump, no entry
    run_command(game.play, command::kUp);
    const Puzzle before_reset = game.now();
    ASSERT_NE(before_reset, parallel());
    const auto selection_before = game.play.selection;

    reset(game.play);
    EXPECT_EQ(game.now(), parallel());
    EXPECT_EQ(game.play.selection, selection_before) << "reset keeps the current selection";
    EXPECT_EQ(game.recorder.cues.back(), cue::kReset);

    undo(game.play);
    EXPECT_EQ(game.now(), before_reset);
    // The reset entry stores the first entry's selection, none here.
    EXPECT_FALSE(game.play.selection.has_value());
}

// A snake that ate a shrinking item and vanished must not come back selected
// when redo replays the moves after a reset: moves would act on nothing.
TEST(Redo, AfterAResetRestoresTheSelectionEachPositionHad) {
    Puzzle p = open_board(6, 3);
    p.items = {{ItemKind::Shrink, {2, 0}}};
    p.snakes = {snake({{0, 0}, {1, 0}}), snake({{0, 2}, {1, 2}})};
    Played game(p);
    run_command(game.play, command::kRight);
    run_command(game.play, command::kRight); // leaves the item: snake 0 is gone
    ASSERT_TRUE(game.now().snakes[0].cells.empty());
    ASSERT_FALSE(game.play.selection.has_value());

    reset(game.play);
    redo(game.play);
    EXPECT_EQ(game.play.selection, (Selection{0, false}));
    redo(game.play);
    EXPECT_TRUE(game.now().snakes[0].cells.empty());
    EXPECT_FALSE(game.play.selection.has_value()) << "the vanished snake stays unselected";

    // Undo and redo agree on the selection of every position.
    undo(game.play);
    EXPECT_EQ(game.play.selection, (Selection{0, false}));
    redo(game.play);
    EXPECT_FALSE(game.play.selection.has_value());
}

TEST(FinishedLevel, RefusesMovesAndUndoButAcceptsReset) {
    Puzzle p = open_board(4, 1);
    p.exit = {3, 0};
    p.snakes = {snake({{0, 0}, {1, 0}, {2, 0}})};
    Played game(p);
    run_command(game.play, command::kRight);
    ASSERT_TRUE(is_complete(game.now()));
    const auto length = game.play.history.size();

    run_command(game.play, command::kUndo);
    run_command(game.play, command::kLeft);
    try_move(game.play, kLeft, false);
    EXPECT_EQ(game.play.history.size(), length);

    reset(game.play);
    EXPECT_EQ(game.play.history.size(), length + 1);
    EXPECT_FALSE(is_complete(game.now()));
}

TEST(RunCommand, CodesMapToDirectionsAndUnknownCodesActAsDown) {
    EXPECT_EQ(command_direction(command::kLeft), kLeft);
    EXPECT_EQ(command_direction(command::kRight), kRight);
    EXPECT_EQ(command_direction(command::kUp), kUp);
    EXPECT_EQ(command_direction(command::kDown), kDown);
    EXPECT_EQ(command_direction(200), kDown);
}

TEST(EmptyHistory, IsABrokenCaller) {
    LevelPlay play;
    EXPECT_DEATH(undo(play), "history is empty");
    EXPECT_DEATH(reset(play), "history is empty");
}

TEST(Completion, TargetsDecideWhetherTheExitCounts) {
    Puzzle p = open_board(4, 2);
    p.exit = {3, 0};
    p.snakes = {snake({{1, 0}, {2, 0}, {3, 0}})};
    EXPECT_TRUE(is_complete(p)) << "no targets means all are covered";
    p.targets = {{0, 1}};
    EXPECT_FALSE(is_complete(p));
    p.items = {{ItemKind::Shrink, {0, 1}}};
    EXPECT_TRUE(is_complete(p)) << "an item covers a target";
}

TEST(Completion, TwoHeadedFirstCellCompanionsAndEmptySnakes) {
    Puzzle p = open_board(4, 2);
    p.exit = {0, 0};
    p.snakes = {snake({{0, 0}, {1, 0}}, false, true)};
    EXPECT_FALSE(is_complete(p)) << "a companion never finishes";
    p.snakes = {Snake{}, snake({{0, 0}, {1, 0}}, true)};
    ASSERT_TRUE(is_complete(p)) << "either end of a two-headed snake finishes";
    EXPECT_EQ(finishing_end(p), (Selection{1, true}));
    p.snakes[1].two_headed = false;
    EXPECT_FALSE(is_complete(p));
}

TEST(Completion, OnlyTheFirstSnakeOnTheExitDecides) {
    Puzzle p = open_board(4, 2);
    p.exit = {0, 0};
    p.targets = {{3, 1}};
    p.snakes = {snake({{1, 0}, {0, 0}}), snake({{2, 1}, {3, 1}})};
    EXPECT_EQ(finishing_end(p), (Selection{0, false}));
}

TEST(PuzzleEquality, EatenMarkCountdownsMatter) {
    Puzzle a = parallel();
    a.eaten_marks = {{{1, 1}, 3}};
    Puzzle b = a;
    EXPECT_EQ(a, b);
    b.eaten_marks[0].countdown = 2;
    EXPECT_NE(a, b);
}

TEST(ExitEvent, CarriesTheSnakeOnTheExitLedByTheEndOnIt) {
    // Snake 0 moves, but snake 1 (two-headed, not the first non-companion)
    // already has its first cell on the exit once the target is covered.
    Puzzle p = open_board(5, 3);
    p.exit = {0, 2};
    p.targets = {{4, 0}};
    p.snakes = {snake({{2, 0}, {3, 0}}), snake({{0, 2}, {1, 2}, {2, 2}}, true)};
    Played game(p);
    try_move(game.play, kRight, false);
    ASSERT_TRUE(is_complete(game.now()));
    const MoveEvent& exit = game.play.events.back();
    EXPECT_EQ(exit.kind, MoveEventKind::Exit);
    EXPECT_EQ(exit.snake, 0u);
    EXPECT_EQ(exit.exit_snake, 1u);
    EXPECT_EQ(exit.cells, cells({{2, 2}, {1, 2}, {0, 2}})) << "the last cell is on the exit";
    EXPECT_TRUE(exit.two_headed);
    EXPECT_FLOAT_EQ(exit.progress, -1.0f);
    EXPECT_EQ(exit.trailing, (Pos{2, 0}));
    EXPECT_EQ(exit.history_index, 1u);
}

} // namespace

// Random play on Ekans: k undos followed by k redos give back the exact
// position and selection; a new move ends redo; a reset's redo walks the moves
// made since the previous start (and what was undone before it) back to where
// the player was; the move count ignores undone moves and moves before a reset.
TEST(Redo, GivenRandomPlayThenUndoRedoRoundTripsAndTheMoveCountFollows) {
    std::mt19937 random(11);
    const Direction directions[] = {kUp, kDown, kLeft, kRight};
    std::size_t resets_redone = 0;
    for (int round = 0; round < 200; ++round) {
        Played game(ekans());
        std::size_t counted = 0; // moves since the start or the last reset, as a player counts
        for (int step = 0; step < 12; ++step) {
            const std::size_t before = game.play.history.size();
            game.play.selection = Selection{random() % 2, false};
            try_move(game.play, directions[random() % 4], false);
            if (game.play.history.size() > before) {
                ++counted;
                EXPECT_TRUE(game.play.redo.empty()) << "a new move ends redo";
            }
            if (is_complete(game.now()))
                break;
        }
        ASSERT_EQ(moves_since_reset(game.play), counted);
        const LevelPlay before_undo = game.play;
        const std::size_t k = random() % game.play.history.size();
        for (std::size_t i = 0; i < k; ++i)
            undo(game.play);
        EXPECT_EQ(moves_since_reset(game.play), counted - k);
        for (std::size_t i = 0; i < k + 2; ++i) // redo beyond the end does nothing
            redo(game.play);
        ASSERT_EQ(game.play.history.size(), before_undo.history.size());
        EXPECT_EQ(game.now(), before_undo.current());
        EXPECT_EQ(game.play.selection, before_undo.selection);

        for (std::size_t i = 0; i < k; ++i)
            undo(game.play);
        const Puzzle furthest = before_undo.current();
        reset(game.play);
        if (counted - k == 0)
            continue; // nothing to reset: the history did not change
        EXPECT_EQ(moves_since_reset(game.play), 0u);
        while (!game.play.redo.empty())
            redo(game.play);
        EXPECT_EQ(game.now(), furthest);
        EXPECT_EQ(moves_since_reset(game.play), counted);
        ++resets_redone;
    }
    EXPECT_GT(resets_redone, 100u) << "the random play must move";
}
