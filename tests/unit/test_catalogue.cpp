// The catalogue as the game ships it: the overworld table and the list of
// definitions, checked against the published tables, and every board checked
// for the invariants the rules rely on without testing them.

#include "levels/catalogue.hpp"
#include "overworld/catalogue.hpp"
#include "support/stdout_to_stderr.hpp"

#include <gtest/gtest.h>

#include <cstdio>

#include <algorithm>
#include <map>
#include <set>
#include <string>

using namespace coilwend;

namespace {

using coilwend::testing::stdout_to_stderr;

struct Row {
    std::string_view id;
    std::string_view title;
    int x, y;
    State state;
    int setting;
};

// clang-format off
const Row kTable[] = {
    {"38.rs", "Humble Beginnings", 99, 100, State::Available, 0},
    {"3.rs", "Room for Error", 99, 101, State::Hidden, 0},
    {"57.rs", "A Friend", 98, 101, State::Hidden, 0},
    {"83.rs", "U-Turn", 97, 101, State::Hidden, 0},
    {"12.rs", "Parallel", 98, 102, State::Hidden, 0},
    {"51.rs", "Outta the Way!", 96, 101, State::Hidden, 0},
    {"87.rs", "Nope Rope", 97, 102, State::Hidden, 0},
    {"7.rs", "Dead Ends", 96, 102, State::Hidden, 0},
    {"13.rs", "Heads or Tails", 98, 103, State::Hidden, 0},
    {"45.rs", "Shuffle", 97, 103, State::Hidden, 0},
    {"19.rs", "Squeezing Through", 95, 101, State::Hidden, 0},
    {"1.rs", "Ekans", 96, 103, State::Hidden, 0},
    {"17.rs", "Half of Eight", 97, 104, State::Hidden, 0},
    {"46.rs", "Between a Rock", 95, 102, State::Hidden, 0},
    {"27.rs", "Not Far to Go", 94, 101, State::Hidden, 0},
    {"33.rs", "Ouroboros", 98, 104, State::Hidden, 0},
    {"54.rs", "Tough choices", 98, 105, State::Hidden, 0},
    {"82.rs", "Sandwich", 96, 100, State::Hidden, 0},
    {"30.rs", "Concentric", 99, 103, State::Hidden, 0},
    {"4.rs", "Don't Tread on Me", 95, 100, State::Hidden, 0},
    {"74.rs", "Icon", 94, 100, State::Hidden, 0},
    {"67.rs", "I am a Rock", 93, 100, State::Hidden, 0},
    {"55.rs", "no step on snek", 99, 104, State::Hidden, 0},
    {"21.rs", "Horseshoes", 99, 105, State::Hidden, 0},
    {"50.rs", "ISII", 99, 106, State::Hidden, 0},
    {"40.rs", "Swimming Lessons", 93, 101, State::Hidden, 2},
    {"28.rs", "Hydrophobia", 92, 101, State::Hidden, 2},
    {"47.rs", "Between a Reed", 93, 102, State::Hidden, 2},
    {"48.rs", "Lock", 92, 102, State::Hidden, 2},
    {"76.rs", "Winding Order", 92, 103, State::Hidden, 2},
    {"65.rs", "Brevil", 91, 103, State::Hidden, 2},
    {"66.rs", "Water Landing", 90, 103, State::Hidden, 2},
    {"p3.rs", "Gauntlet", 90, 104, State::Hidden, 2},
    {"24.rs", "There and Back Again", 91, 101, State::Hidden, 2},
    {"36.rs", "Symmetry", 91, 102, State::Hidden, 2},
    {"37.rs", "Reoriented", 91, 100, State::Hidden, 2},
    {"23.rs", "Swim Team", 90, 102, State::Hidden, 2},
    {"91.rs", "Helpless", 90, 100, State::Hidden, 2},
    {"90.rs", "Helpful", 90, 101, State::Hidden, 2},
    {"39.rs", "Om Nom Nom", 98, 106, State::Hidden, 1},
    {"10.rs", "Competition", 97, 106, State::Hidden, 1},
    {"16.rs", "Poof", 97, 107, State::Hidden, 1},
    {"86.rs", "Hot Potato", 98, 107, State::Hidden, 1},
    {"52.rs", "Three Strikes", 98, 108, State::Hidden, 1},
    {"64.rs", "Temptation", 97, 108, State::Hidden, 1},
    {"69.rs", "Nice", 96, 108, State::Hidden, 1},
    {"93.rs", "Heavy", 96, 109, State::Hidden, 1},
    {"8.rs", "All You Can Eat", 99, 108, State::Hidden, 1},
    {"32.rs", "Coop", 97, 109, State::Hidden, 1},
    {"41.rs", "Sharing is Caring", 96, 106, State::Hidden, 1},
    {"14.rs", "Stealing from Birds", 96, 107, State::Hidden, 1},
    {"9.rs", "Hi, My Name is Joe", 95, 103, State::Hidden, 4},
    {"15.rs", "Psych!", 95, 104, State::Hidden, 4},
    {"42.rs", "Tired", 94, 103, State::Hidden, 4},
    {"84.rs", "Whac-A-Mole", 94, 104, State::Hidden, 4},
    {"68.rs", "Danger Noodle", 95, 105, State::Hidden, 4},
    {"6.rs", "Teamwork", 94, 105, State::Hidden, 4},
    {"56.rs", "__init__.py", 93, 104, State::Hidden, 4},
    {"18.rs", "Omelette", 96, 105, State::Hidden, 4},
    {"63.rs", "Linchpin", 95, 106, State::Hidden, 4},
    {"34.rs", "Two Heads are Better than One", 94, 106, State::Hidden, 3},
    {"29.rs", "Tête-à-tête", 93, 106, State::Hidden, 3},
    {"61.rs", "Kaa", 93, 107, State::Hidden, 3},
    {"p1.rs", "Chronicler", 95, 109, State::Hidden, 3},
    {"20.rs", "Order of Operations", 95, 108, State::Hidden, 3},
    {"5.rs", "Tug o' War", 94, 108, State::Hidden, 3},
    {"78.rs", "Delayed Gratification", 94, 109, State::Hidden, 3},
    {"88.rs", "Pick and Choose", 94, 107, State::Hidden, 3},
    {"60.rs", "Get out the Way", 93, 108, State::Hidden, 3},
    {"72.rs", "Elbow Room", 92, 108, State::Hidden, 3},
    {"75.rs", "Compass", 91, 108, State::Hidden, 3},
    {"80.rs", "Constriction", 92, 109, State::Hidden, 3},
    {"81.rs", "Contortion", 91, 109, State::Hidden, 3},
    {"85.rs", "Sapphira", 90, 108, State::Hidden, 3},
    {"43.rs", "Sliding Between", 92, 104, State::Hidden, 3},
    {"58.rs", "Right Back Where We Started From", 92, 105, State::Hidden, 3},
    {"59.rs", "Cramped", 92, 106, State::Hidden, 3},
    {"79.rs", "Ssssssss", 92, 107, State::Hidden, 3},
    {"89.rs", "Reunion", 99, 99, State::Locked, 0},
};

const std::pair<std::string_view, std::string_view> kUnplaced[] = {
    {"11.rs", "11"},
    {"2.rs", "2"},
    {"22.rs", "22"},
    {"25.rs", "25"},
    {"26.rs", "26"},
    {"31.rs", "31"},
    {"35.rs", "35"},
    {"62.rs", "62"},
    {"70.rs", "70"},
    {"71.rs", "71"},
    {"73.rs", "73"},
    {"77.rs", "77"},
    {"92.rs", "Untitled"},
    {"p2.rs", "Pellam 2"},
    {"p5.rs", "Pellam 5"},
};
// clang-format on

bool inside(const Puzzle& p, Pos c) {
    return c.x >= 0 && c.y >= 0 && c.x < p.width && c.y < p.height;
}

template <typename T> bool contains(const std::vector<T>& v, const T& value) {
    return std::find(v.begin(), v.end(), value) != v.end();
}

// Everything the rules see: two levels must never share a board, whatever
// their titles and surroundings.
std::string board_key(const Puzzle& p) {
    std::string key = std::to_string(p.width) + "x" + std::to_string(p.height) + "e" +
                      std::to_string(p.exit.x) + "," + std::to_string(p.exit.y);
    auto cells = [&](char tag, const std::vector<Pos>& list) {
        key += tag;
        for (Pos c : list)
            key += std::to_string(c.x) + "," + std::to_string(c.y) + ";";
    };
    cells('w', p.walls);
    cells('~', p.water);
    cells('t', p.targets);
    for (const Item& i : p.items)
        key += "i" + std::to_string(int(i.kind)) + "@" + std::to_string(i.pos.x) + "," +
               std::to_string(i.pos.y);
    for (const Snake& s : p.snakes) {
        cells(s.companion ? 'c' : 's', s.cells);
        key += s.two_headed ? "2" : "1";
    }
    return key;
}

} // namespace

TEST(Catalogue, GivenANewGameThenTheOverworldTableMatchesThePublishedTableExactly) {
    const auto table = build_overworld_table();
    ASSERT_EQ(table.size(), std::size(kTable));
    for (std::size_t i = 0; i < table.size(); ++i) {
        SCOPED_TRACE(kTable[i].id);
        EXPECT_EQ(table[i].id, kTable[i].id);
        EXPECT_EQ(table[i].x, kTable[i].x);
        EXPECT_EQ(table[i].y, kTable[i].y);
        EXPECT_EQ(table[i].state, kTable[i].state);
        const Level& level = find_level(kTable[i].id);
        EXPECT_EQ(level.id, kTable[i].id);
        EXPECT_EQ(level_title(level), kTable[i].title);
        EXPECT_EQ(level.puzzle.setting, kTable[i].setting);
    }
    std::set<std::pair<int, int>> cells;
    for (const auto& entry : table)
        EXPECT_TRUE(cells.insert({entry.x, entry.y}).second) << entry.id << " shares a cell";
}

TEST(Catalogue, GivenProgressWhenTheTableIsRebuiltThenTheInitialStatesComeBack) {
    auto table = build_overworld_table();
    const auto fresh = table;
    for (auto& entry : table)
        entry.state = State::Completed;
    table = build_overworld_table();
    EXPECT_EQ(table, fresh);
    EXPECT_EQ(table.front().id, "38.rs");
    EXPECT_EQ(table.front().state, State::Available);
    EXPECT_EQ(table.back().id, "89.rs");
    EXPECT_EQ(table.back().state, State::Locked);
    EXPECT_EQ(std::count_if(table.begin(), table.end(),
                            [](const OverworldEntry& e) { return e.state == State::Hidden; }),
              77);
    EXPECT_EQ(static_cast<int>(State::Completed), 0);
    EXPECT_EQ(static_cast<int>(State::Available), 1);
    EXPECT_EQ(static_cast<int>(State::Hidden), 2);
    EXPECT_EQ(static_cast<int>(State::Locked), 3);
}

TEST(Catalogue, GivenTheDefinitionsThenThereAre94InTextOrderAndTheUnplacedOnesAreNeverOffered) {
    const auto& levels = level_definitions();
    ASSERT_EQ(levels.size(), 94u);
    for (std::size_t i = 1; i < levels.size(); ++i)
        EXPECT_LT(levels[i - 1].id, levels[i].id);
    EXPECT_EQ(levels.front().id, "1.rs");
    EXPECT_EQ(levels[1].id, "10.rs");
    EXPECT_EQ(levels.back().id, "p5.rs");

    const auto unplaced = unplaced_level_ids();
    ASSERT_EQ(unplaced.size(), std::size(kUnplaced));
    const auto table = build_overworld_table();
    for (std::size_t i = 0; i < unplaced.size(); ++i) {
        EXPECT_EQ(unplaced[i], kUnplaced[i].first);
        EXPECT_EQ(level_title(find_level(kUnplaced[i].first)), kUnplaced[i].second);
        EXPECT_TRUE(std::none_of(table.begin(), table.end(), [&](const OverworldEntry& e) {
            return e.id == kUnplaced[i].first;
        })) << kUnplaced[i].first;
    }
    EXPECT_EQ(level_title(find_level("11.rs")), "11");
    EXPECT_EQ(level_title(find_level("92.rs")), "Untitled");
}

TEST(CatalogueDeathTest, GivenAnUnknownIdentifierThenLookupEndsTheProgram) {
    EXPECT_EXIT(stdout_to_stderr([] { find_level("99.rs"); }), ::testing::ExitedWithCode(101),
                "No level called 99.rs");
}

TEST(Catalogue, GivenEveryBoardThenItKeepsTheInvariantsTheRulesRelyOn) {
    std::set<int> settings;
    for (const Level& level : level_definitions()) {
        SCOPED_TRACE(level.id);
        const Puzzle& p = level.puzzle;
        EXPECT_GE(p.width, 4);
        EXPECT_LE(p.width, 11);
        EXPECT_GE(p.height, 2);
        EXPECT_LE(p.height, 7);
        EXPECT_LE(p.setting, 4);
        settings.insert(p.setting);
        EXPECT_TRUE(p.eaten_marks.empty());
        EXPECT_TRUE(inside(p, p.exit));
        EXPECT_FALSE(contains(p.walls, p.exit));
        for (const auto* list : {&p.walls, &p.water, &p.targets})
            for (Pos c : *list)
                EXPECT_TRUE(inside(p, c));
        std::set<std::pair<int, int>> occupied;
        bool any_own = false;
        for (const Snake& s : p.snakes) {
            any_own = any_own || !s.companion;
            ASSERT_GE(s.cells.size(), 2u);
            for (std::size_t i = 0; i < s.cells.size(); ++i) {
                const Pos c = s.cells[i];
                EXPECT_TRUE(inside(p, c));
                EXPECT_FALSE(contains(p.walls, c));
                if (s.companion) {
                    EXPECT_FALSE(contains(p.water, c));
                }
                EXPECT_TRUE(occupied.insert({c.x, c.y}).second) << "cell used twice";
                if (i > 0) {
                    EXPECT_EQ(std::abs(c.x - s.cells[i - 1].x) + std::abs(c.y - s.cells[i - 1].y),
                              1);
                }
            }
        }
        EXPECT_TRUE(any_own);
        std::set<std::pair<int, int>> item_cells;
        for (const Item& item : p.items) {
            EXPECT_TRUE(inside(p, item.pos));
            EXPECT_FALSE(contains(p.walls, item.pos));
            EXPECT_TRUE(item_cells.insert({item.pos.x, item.pos.y}).second);
        }
    }
    EXPECT_EQ(settings, (std::set<int>{0, 1, 2, 3, 4}));
}

TEST(Catalogue, GivenEveryBoardThenNoTwoLevelsShareOne) {
    std::map<std::string, std::string_view> seen;
    for (const Level& level : level_definitions()) {
        const auto [at, fresh] = seen.emplace(board_key(level.puzzle), level.id);
        EXPECT_TRUE(fresh) << level.id << " has the same board as " << at->second;
    }
}

TEST(Catalogue, GivenTheWorkedExamplesThenTheyAreExactlyAsPublished) {
    const Puzzle& parallel = find_level("12.rs").puzzle;
    EXPECT_EQ(parallel.name, "Parallel");
    EXPECT_EQ(parallel.width, 4);
    EXPECT_EQ(parallel.height, 3);
    EXPECT_EQ(parallel.exit, (Pos{0, 0}));
    EXPECT_EQ(parallel.setting, 0);
    EXPECT_TRUE(parallel.walls.empty() && parallel.items.empty() && parallel.water.empty() &&
                parallel.targets.empty());
    ASSERT_EQ(parallel.snakes.size(), 3u);
    EXPECT_EQ(parallel.snakes[0], (Snake{{{3, 2}, {3, 1}, {3, 0}}, false, false}));
    EXPECT_EQ(parallel.snakes[1], (Snake{{{0, 1}, {1, 1}, {2, 1}}, false, true}));
    EXPECT_EQ(parallel.snakes[2], (Snake{{{0, 0}, {1, 0}, {2, 0}}, false, true}));

    const Puzzle& ekans = find_level("1.rs").puzzle;
    EXPECT_EQ(ekans.name, "Ekans");
    EXPECT_EQ(ekans.width, 5);
    EXPECT_EQ(ekans.height, 4);
    EXPECT_EQ(ekans.exit, (Pos{0, 3}));
    EXPECT_EQ(ekans.setting, 0);
    EXPECT_TRUE(ekans.walls.empty() && ekans.items.empty() && ekans.water.empty() &&
                ekans.targets.empty());
    ASSERT_EQ(ekans.snakes.size(), 2u);
    EXPECT_EQ(ekans.snakes[0], (Snake{{{2, 0}, {1, 0}, {0, 0}}, false, false}));
    const std::vector<Pos> coil{{2, 1}, {3, 1}, {4, 1}, {4, 2}, {4, 3}, {3, 3}, {2, 3},
                                {1, 3}, {0, 3}, {0, 2}, {0, 1}, {1, 1}, {1, 2}, {2, 2}};
    EXPECT_EQ(ekans.snakes[1], (Snake{coil, false, true}));
}

TEST(Catalogue, GivenTheFinalLevelThenItsBoardFitsTheFixedReunionFloorAndWalls) {
    const Puzzle& p = find_level("89.rs").puzzle;
    EXPECT_EQ(p.name, "Reunion");
    EXPECT_EQ(p.width, 9);
    EXPECT_EQ(p.height, 6);
    // The renderer draws these walls whatever the list says, so the rules must agree.
    const std::vector<Pos> walls{{0, 2}, {1, 2}, {2, 1}, {6, 0}, {6, 1}, {7, 2},
                                 {4, 4}, {5, 4}, {6, 4}, {7, 4}, {7, 5}};
    std::set<std::pair<int, int>> expected, actual;
    for (Pos c : walls)
        expected.insert({c.x, c.y});
    for (Pos c : p.walls)
        actual.insert({c.x, c.y});
    EXPECT_EQ(actual, expected);
    const std::vector<Pos> two_headed_region{{0, 3}, {0, 4}, {1, 3}, {1, 4},
                                             {1, 5}, {2, 3}, {2, 4}, {2, 5}};
    EXPECT_TRUE(contains(two_headed_region, p.exit));
    // The floor shows water, items, targets and the exit in fixed regions, so
    // the rules must put them there; snake 0 is the player's and every other
    // snake a companion met along the way.
    std::set<std::pair<int, int>> water;
    for (Pos c : p.water)
        water.insert({c.x, c.y});
    EXPECT_EQ(water, (std::set<std::pair<int, int>>{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}}));
    for (const Item& item : p.items)
        EXPECT_TRUE(item.pos.x >= 7 && item.pos.y >= 3) << "item outside the items region";
    for (const Pos t : p.targets)
        EXPECT_TRUE(t.x >= 3 && t.x <= 6 && t.y >= 3) << "target outside the targets region";
    ASSERT_FALSE(p.snakes.empty());
    EXPECT_FALSE(p.snakes.front().companion) << "snake 0 is the player's own";
    for (std::size_t i = 1; i < p.snakes.size(); ++i)
        EXPECT_TRUE(p.snakes[i].companion) << "snake " << i;
    EXPECT_FALSE(p.items.empty());
    EXPECT_FALSE(p.targets.empty());
    EXPECT_TRUE(
        std::any_of(p.snakes.begin(), p.snakes.end(), [](const Snake& s) { return s.two_headed; }));
}
