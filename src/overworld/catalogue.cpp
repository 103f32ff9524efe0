#include "overworld/catalogue.hpp"

#include <array>

namespace coilwend {
namespace {

struct Placement {
    std::string_view id;
    std::int8_t x;
    std::int8_t y;
};

// Catalogue order; the first entry is where a new game starts and the last is
// the final level, opened only when every other level is finished.
// clang-format off
constexpr std::array<Placement, 79> kPlacements{{
    {"38.rs", 99, 100}, // 0
    {"3.rs", 99, 101}, // 1
    {"57.rs", 98, 101}, // 2
    {"83.rs", 97, 101}, // 3
    {"12.rs", 98, 102}, // 4
    {"51.rs", 96, 101}, // 5
    {"87.rs", 97, 102}, // 6
    {"7.rs", 96, 102}, // 7
    {"13.rs", 98, 103}, // 8
    {"45.rs", 97, 103}, // 9
    {"19.rs", 95, 101}, // 10
    {"1.rs", 96, 103}, // 11
    {"17.rs", 97, 104}, // 12
    {"46.rs", 95, 102}, // 13
    {"27.rs", 94, 101}, // 14
    {"33.rs", 98, 104}, // 15
    {"54.rs", 98, 105}, // 16
    {"82.rs", 96, 100}, // 17
    {"30.rs", 99, 103}, // 18
    {"4.rs", 95, 100}, // 19
    {"74.rs", 94, 100}, // 20
    {"67.rs", 93, 100}, // 21
    {"55.rs", 99, 104}, // 22
    {"21.rs", 99, 105}, // 23
    {"50.rs", 99, 106}, // 24
    {"40.rs", 93, 101}, // 25
    {"28.rs", 92, 101}, // 26
    {"47.rs", 93, 102}, // 27
    {"48.rs", 92, 102}, // 28
    {"76.rs", 92, 103}, // 29
    {"65.rs", 91, 103}, // 30
    {"66.rs", 90, 103}, // 31
    {"p3.rs", 90, 104}, // 32
    {"24.rs", 91, 101}, // 33
    {"36.rs", 91, 102}, // 34
    {"37.rs", 91, 100}, // 35
    {"23.rs", 90, 102}, // 36
    {"91.rs", 90, 100}, // 37
    {"90.rs", 90, 101}, // 38
    {"39.rs", 98, 106}, // 39
    {"10.rs", 97, 106}, // 40
    {"16.rs", 97, 107}, // 41
    {"86.rs", 98, 107}, // 42
    {"52.rs", 98, 108}, // 43
    {"64.rs", 97, 108}, // 44
    {"69.rs", 96, 108}, // 45
    {"93.rs", 96, 109}, // 46
    {"8.rs", 99, 108}, // 47
    {"32.rs", 97, 109}, // 48
    {"41.rs", 96, 106}, // 49
    {"14.rs", 96, 107}, // 50
    {"9.rs", 95, 103}, // 51
    {"15.rs", 95, 104}, // 52
    {"42.rs", 94, 103}, // 53
    {"84.rs", 94, 104}, // 54
    {"68.rs", 95, 105}, // 55
    {"6.rs", 94, 105}, // 56
    {"56.rs", 93, 104}, // 57
    {"18.rs", 96, 105}, // 58
    {"63.rs", 95, 106}, // 59
    {"34.rs", 94, 106}, // 60
    {"29.rs", 93, 106}, // 61
    {"61.rs", 93, 107}, // 62
    {"p1.rs", 95, 109}, // 63
    {"20.rs", 95, 108}, // 64
    {"5.rs", 94, 108}, // 65
    {"78.rs", 94, 109}, // 66
    {"88.rs", 94, 107}, // 67
    {"60.rs", 93, 108}, // 68
    {"72.rs", 92, 108}, // 69
    {"75.rs", 91, 108}, // 70
    {"80.rs", 92, 109}, // 71
    {"81.rs", 91, 109}, // 72
    {"85.rs", 90, 108}, // 73
    {"43.rs", 92, 104}, // 74
    {"58.rs", 92, 105}, // 75
    {"59.rs", 92, 106}, // 76
    {"79.rs", 92, 107}, // 77
    {"89.rs", 99, 99}, // 78
}};
// clang-format on

constexpr std::array<std::string_view, 15> kUnplaced{
    "11.rs", "2.rs",  "22.rs", "25.rs", "26.rs", "31.rs", "35.rs", "62.rs",
    "70.rs", "71.rs", "73.rs", "77.rs", "92.rs", "p2.rs", "p5.rs",
};

} // namespace

std::vector<OverworldEntry> build_overworld_table() {
    std::vector<OverworldEntry> table;
    table.reserve(kPlacements.size());
    for (const Placement& p : kPlacements)
        table.push_back({p.id, p.x, p.y, State::Hidden});
    table.front().state = State::Available;
    table.back().state = State::Locked;
    return table;
}

std::span<const std::string_view> unplaced_level_ids() {
    return kUnplaced;
}

} // namespace coilwend
