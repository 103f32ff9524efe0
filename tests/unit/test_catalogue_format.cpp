// The readable board format: pictures become exactly the puzzles they show,
// and every malformed picture is rejected with the level and the source line.

#include "levels/board_parser.hpp"
#include "levels/board_writer.hpp"
#include "levels/catalogue.hpp"
#include "support/rules_fixtures.hpp"
#include "support/stdout_to_stderr.hpp"

#include <gtest/gtest.h>

#include <cstdio>

using namespace coilwend;

namespace {

using coilwend::testing::stdout_to_stderr;

BoardText text(std::string_view picture, std::uint8_t setting = 0) {
    return BoardText{"t.rs", "Test", setting, picture, "src/levels/boards_test.cpp", 100};
}

std::vector<Pos> cells(std::initializer_list<std::pair<int, int>> list) {
    std::vector<Pos> out;
    for (auto [x, y] : list)
        out.push_back({wrap8(x), wrap8(y)});
    return out;
}

std::string error_of(std::string_view picture) {
    const auto parsed = parse_board(text(picture));
    EXPECT_FALSE(parsed.level.has_value()) << picture;
    return parsed.error;
}

} // namespace

TEST(BoardFormat, GivenAPictureWhenParsedThenRowsAreReadTopRowFirstWithEveryLayer) {
    const auto parsed = parse_board(text(R"(
ground marks items snakes
#..~   o...  .+..  ....
....   ..E.  ...-  >>A.
)",
                                         3));
    ASSERT_TRUE(parsed.level) << parsed.error;
    const Puzzle& p = parsed.level->puzzle;
    EXPECT_EQ(parsed.level->id, "t.rs");
    EXPECT_EQ(p.name, "Test");
    EXPECT_EQ(p.width, 4);
    EXPECT_EQ(p.height, 2);
    EXPECT_EQ(p.setting, 3);
    EXPECT_EQ(p.walls, cells({{0, 1}}));
    EXPECT_EQ(p.water, cells({{3, 1}}));
    EXPECT_EQ(p.targets, cells({{0, 1}}));
    EXPECT_EQ(p.exit, (Pos{2, 0}));
    ASSERT_EQ(p.items.size(), 2u);
    EXPECT_EQ(p.items[0], (Item{ItemKind::Shrink, {3, 0}}));
    EXPECT_EQ(p.items[1], (Item{ItemKind::Grow, {1, 1}}));
    ASSERT_EQ(p.snakes.size(), 1u);
    EXPECT_EQ(p.snakes[0].cells, cells({{0, 0}, {1, 0}, {2, 0}}));
    EXPECT_FALSE(p.snakes[0].companion);
    EXPECT_FALSE(p.snakes[0].two_headed);
    EXPECT_TRUE(p.eaten_marks.empty());
}

TEST(BoardFormat, GivenACoiledSnakeTouchingItselfWhenParsedThenCellsFollowTheArrows) {
    // A spiral whose head sits beside cells far back along its body.
    const auto parsed = parse_board(text(R"(
ground marks items snakes
.....  E....  .....  v<<<<
.....  .....  .....  v>b.^
.....  .....  .....  >^>>^
.....  .....  .....  A<<..
)"));
    ASSERT_TRUE(parsed.level) << parsed.error;
    const Puzzle& p = parsed.level->puzzle;
    ASSERT_EQ(p.snakes.size(), 2u);
    // The same snakes as the worked example's hand-built puzzle.
    const Puzzle expected = coilwend::testing::ekans();
    EXPECT_EQ(p.snakes[0].cells, expected.snakes[0].cells);
    EXPECT_EQ(p.snakes[1].cells, expected.snakes[1].cells);
    EXPECT_TRUE(p.snakes[1].companion);
}

TEST(BoardFormat, GivenLettersOutOfOrderAndOptionsThenIndicesAndFlagsFollowTheLetters) {
    const auto parsed = parse_board(text(R"(
ground marks items snakes
....   @...  ....  c<B<
....   o...  ....  >a.^
two-headed: B c
)"));
    ASSERT_TRUE(parsed.level) << parsed.error;
    const Puzzle& p = parsed.level->puzzle;
    ASSERT_EQ(p.snakes.size(), 3u);
    EXPECT_EQ(p.snakes[0].cells, cells({{0, 0}, {1, 0}}));
    EXPECT_EQ(p.snakes[1].cells, cells({{3, 0}, {3, 1}, {2, 1}}));
    EXPECT_EQ(p.snakes[2].cells, cells({{1, 1}, {0, 1}}));
    EXPECT_TRUE(p.snakes[0].companion);
    EXPECT_FALSE(p.snakes[0].two_headed);
    EXPECT_FALSE(p.snakes[1].companion);
    EXPECT_TRUE(p.snakes[1].two_headed);
    EXPECT_TRUE(p.snakes[2].two_headed);
    EXPECT_EQ(p.exit, (Pos{0, 1}));
    EXPECT_EQ(p.targets, cells({{0, 0}, {0, 1}}));
}

TEST(BoardFormat, GivenAMalformedPictureThenTheErrorNamesTheLevelFileAndLine) {
    // The picture's first line shares the definition's line (100); the header
    // is on line 101 and the rows follow.
    EXPECT_EQ(error_of("\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....\n"),
              "Level t.rs at src/levels/boards_test.cpp:103: a row needs four layers, found 3");
    EXPECT_EQ(
        error_of("\nground marks items snakes\n....  ...E  ....  >A..\n....  ...  ....  ....\n"),
        "Level t.rs at src/levels/boards_test.cpp:103: the marks layer has 3 cells, "
        "expected 4");
}

TEST(BoardFormat, GivenBrokenLayersThenEachFaultIsReported) {
    struct Case {
        const char* picture;
        const char* fault;
    };
    const Case cases[] = {
        {"\nground items marks snakes\n....  ...E  ....  >A..\n....  ....  ....  ....\n",
         "101: the first line must be"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n", "102: the board has 1 rows"},
        {"\nground marks items snakes\n...  ..E  ...  >A.\n...  ...  ...  ...\n",
         "102: the board is 3 cells wide"},
        {"\nground marks items snakes\n.x..  ...E  ....  >A..\n....  ....  ....  ....\n",
         "102: 'x' is not a cell of the ground layer"},
        {"\nground marks items snakes\n....  ....  ....  >A..\n....  ....  ....  ....\n",
         "exactly one exit, found 0"},
        {"\nground marks items snakes\n....  E..E  ....  >A..\n....  ....  ....  ....\n",
         "exactly one exit, found 2"},
        {"\nground marks items snakes\n.#..  ...E  ....  >A..\n....  ....  ....  ....\n",
         "102: something lies on the wall at (1, 1)"},
        {"\nground marks items snakes\n....  ...E  ....  >A<.\n....  ....  ....  ....\n",
         "102: two arrows lead into (1, 1)"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  ...v\n",
         "103: the arrow at (3, 0) leads to no head"},
        {"\nground marks items snakes\n....  ...E  ....  A...\n....  ....  ....  >A..\n",
         "102: snake A has two heads"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  B...\n",
         "103: snake B has fewer than two cells"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  >C..\n",
         "missing b"},
        {"\nground marks items snakes\n....  ...E  ....  >a..\n....  ....  ....  ....\n",
         "every snake is a companion"},
        {"\nground marks items snakes\n~...  ...E  ....  >b..\n....  ....  ....  >A..\n",
         "102: companion b starts in water at (0, 1)"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  ....\ntwo-headed: "
         "Q\n",
         "104: \"Q\" names no snake"},
        {"\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  ....\ncolour: "
         "red\n",
         "104: unknown line"},
    };
    for (const Case& c : cases) {
        const std::string error = error_of(c.picture);
        EXPECT_NE(error.find(c.fault), std::string::npos) << error << "\nexpected: " << c.fault;
        EXPECT_EQ(error.rfind("Level t.rs at src/levels/boards_test.cpp:", 0), 0u) << error;
    }
}

TEST(BoardFormat, GivenASettingOutOfRangeThenItIsRejected) {
    const auto parsed = parse_board(
        text("\nground marks items snakes\n....  ...E  ....  >A..\n....  ....  ....  ....\n", 5));
    EXPECT_FALSE(parsed.level);
    EXPECT_NE(parsed.error.find("setting 5 is not 0 to 4"), std::string::npos);
}

TEST(BoardFormatDeathTest, GivenAMalformedDefinitionAtStartUpThenTheProgramEnds) {
    EXPECT_EXIT(stdout_to_stderr([] { parse_board_or_die(text("\nground marks items snakes\n")); }),
                ::testing::ExitedWithCode(101), "Panic at .* - Level t.rs at");
}

TEST(BoardFormat, GivenEveryCatalogueBoardWhenDrawnAndReadBackThenTheSamePuzzleComesOut) {
    for (const Level& level : level_definitions()) {
        SCOPED_TRACE(level.id);
        const std::string picture = "\n" + board_picture(level.puzzle);
        const auto parsed = parse_board(
            BoardText{level.id, level.puzzle.name, level.puzzle.setting, picture, "x", 1});
        ASSERT_TRUE(parsed.level) << parsed.error << picture;
        // Items, walls and the rest are listed in the same cell order either way.
        EXPECT_EQ(parsed.level->puzzle, level.puzzle) << picture;
    }
}
