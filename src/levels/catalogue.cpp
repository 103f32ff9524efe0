#include "levels/catalogue.hpp"

#include "game/log.hpp"
#include "levels/board_parser.hpp"
#include "levels/boards.hpp"

#include <algorithm>
#include <string>

namespace coilwend {
namespace {

std::vector<Level> build_definitions() {
    std::vector<Level> levels;
    for (const auto area :
         {setting0_boards(), setting1_boards(), setting2_boards(), setting3_boards(),
          setting4_boards(), unplaced_boards(), reunion_board()})
        for (const BoardText& text : area)
            levels.push_back(parse_board_or_die(text));
    std::sort(levels.begin(), levels.end(),
              [](const Level& a, const Level& b) { return a.id < b.id; });
    const auto twin = std::adjacent_find(
        levels.begin(), levels.end(), [](const Level& a, const Level& b) { return a.id == b.id; });
    if (twin != levels.end())
        fatal("Level " + std::string(twin->id) + " is defined twice");
    return levels;
}

} // namespace

std::vector<const BoardText*> all_boards() {
    std::vector<const BoardText*> texts;
    for (const auto area :
         {setting0_boards(), setting1_boards(), setting2_boards(), setting3_boards(),
          setting4_boards(), unplaced_boards(), reunion_board()})
        for (const BoardText& text : area)
            texts.push_back(&text);
    return texts;
}

const BoardText* find_board_text(std::string_view id) {
    for (const BoardText* text : all_boards())
        if (text->id == id)
            return text;
    return nullptr;
}

const std::vector<Level>& level_definitions() {
    static const std::vector<Level> levels = build_definitions();
    return levels;
}

const Level& find_level(std::string_view id) {
    for (const Level& level : level_definitions())
        if (level.id == id)
            return level;
    fatal("No level called " + std::string(id));
}

} // namespace coilwend
