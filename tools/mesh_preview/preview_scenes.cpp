#include "preview_scenes.hpp"

#include "levels/catalogue.hpp"

#include <string>

namespace coilwend::preview {
namespace {

Snake snake_of(std::vector<Pos> cells, bool companion = false, bool two_headed = false) {
    Snake s;
    s.cells = std::move(cells);
    s.companion = companion;
    s.two_headed = two_headed;
    return s;
}

Scene board(std::string name, std::uint8_t width, std::uint8_t height, std::uint8_t setting) {
    Scene scene;
    scene.name = std::move(name);
    scene.puzzle.name = "Preview";
    scene.puzzle.width = width;
    scene.puzzle.height = height;
    scene.puzzle.setting = setting;
    scene.puzzle.exit = {-10, -10};
    return scene;
}

void add(Scene& scene, Snake snake, SnakeAnimation animation = {},
         std::optional<std::uint8_t> skin = std::nullopt) {
    scene.snakes.push_back({scene.puzzle.snakes.size(), animation, skin});
    scene.puzzle.snakes.push_back(std::move(snake));
}

SnakeAnimation step(float progress, Pos trailing, std::optional<ItemKind> eaten = std::nullopt) {
    SnakeAnimation a;
    a.active = true;
    a.progress = progress;
    a.trailing = trailing;
    a.item_eaten = eaten.has_value();
    a.item_kind = eaten.value_or(ItemKind::Grow);
    return a;
}

} // namespace

std::vector<Scene> preview_scenes() {
    std::vector<Scene> scenes;
    {
        Scene s = board("straight", 7, 3, 0);
        add(s, snake_of({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}}));
        add(s, snake_of({{6, 0}, {5, 0}, {4, 0}, {3, 0}}, true));
        add(s, snake_of({{1, 2}, {2, 2}, {3, 2}, {4, 2}}, true, true));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("coiled", 5, 4, 0);
        // The worked example: a companion coiled round the whole board.
        for (const Snake& snake : find_level("1.rs").puzzle.snakes)
            add(s, snake_of(snake.cells, snake.companion));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("two_headed", 6, 4, 1);
        add(s, snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}, {3, 2}, {4, 2}}, true, true));
        add(s, snake_of({{5, 0}, {5, 1}, {5, 2}, {5, 3}, {4, 3}}, false, true));
        scenes.push_back(std::move(s));
    }
    // A turning step led by the last cell, whose old tail was round a corner.
    for (float p : {-1.0f, -0.75f, -0.5f, -0.25f, 0.0f}) {
        Scene s = board("step_" + std::to_string(static_cast<int>(-p * 100)), 6, 4, 2);
        add(s, snake_of({{1, 0}, {1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 2}}), step(p, {0, 0}));
        // The same step led by the first cell of a two-headed snake.
        add(s, snake_of({{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {5, 2}}, false, true),
            step(-p, {5, 1}));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("skins", 9, 8, 0);
        for (std::uint8_t skin = 0; skin < 8; ++skin) {
            std::vector<Pos> cells;
            for (std::int8_t x = 0; x < 8; ++x)
                cells.push_back({x, static_cast<std::int8_t>(skin)});
            cells.push_back({8, static_cast<std::int8_t>(skin)});
            add(s, snake_of(cells, true), {}, skin);
        }
        scenes.push_back(std::move(s));
    }
    {
        // Heads before an item, on an item and just after eating one.
        Scene s = board("mouths", 7, 4, 3);
        s.puzzle.items = {{ItemKind::Grow, {5, 0}}, {ItemKind::Shrink, {4, 2}}};
        add(s, snake_of({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}}));
        add(s, snake_of({{0, 2}, {1, 2}, {2, 2}, {3, 2}, {4, 2}}, true));
        s.puzzle.eaten_marks = {{{5, 3}, 3}};
        add(s, snake_of({{1, 3}, {2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}),
            step(-0.4f, {0, 3}, ItemKind::Grow));
        scenes.push_back(std::move(s));
    }
    {
        // Crawling into the exit: the repeated cells dive below the floor.
        Scene s = board("exit", 6, 3, 4);
        s.puzzle.exit = {4, 1};
        add(s, snake_of({{1, 1}, {2, 1}, {3, 1}, {4, 1}, {4, 1}}), step(-0.5f, {0, 1}));
        add(s, snake_of({{3, 0}, {4, 0}, {5, 0}, {5, 0}, {5, 0}}));
        add(s, snake_of({{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}, true));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("grow", 6, 3, 0);
        add(s, snake_of({{0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 2}}),
            step(-0.5f, {0, 1}, ItemKind::Grow));
        add(s, snake_of({{5, 2}, {5, 1}, {5, 0}, {4, 0}, {3, 0}}, true, true),
            step(0.5f, {2, 0}, ItemKind::Grow));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("small", 6, 4, 2);
        add(s, snake_of({{1, 0}}));
        add(s, snake_of({{3, 0}, {4, 0}}));
        add(s, snake_of({{0, 2}, {1, 2}, {1, 3}, {0, 3}}, true));
        add(s, snake_of({{3, 2}, {4, 2}, {4, 3}, {3, 3}, {2, 3}}));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("bulges", 6, 2, 0);
        s.puzzle.eaten_marks = {{{2, 0}, 5}, {{4, 0}, 2}};
        add(s, snake_of({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}}));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("closeup_head", 3, 2, 0);
        add(s, snake_of({{0, 1}, {1, 1}, {2, 1}}), {}, 0);
        add(s, snake_of({{2, 0}, {1, 0}, {0, 0}}), {}, 6);
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("closeup_mouth", 3, 2, 0);
        s.puzzle.items = {{ItemKind::Grow, {2, 1}}, {ItemKind::Grow, {1, 0}}};
        add(s, snake_of({{0, 1}, {1, 1}}));
        add(s, snake_of({{0, 0}, {1, 0}}), {}, 6);
        scenes.push_back(std::move(s));
    }
    {
        // Open mouths facing each way, towards items ahead of the heads.
        Scene s = board("mouth_directions", 5, 5, 0);
        s.puzzle.items = {{ItemKind::Grow, {4, 4}},
                          {ItemKind::Grow, {0, 0}},
                          {ItemKind::Grow, {0, 3}},
                          {ItemKind::Grow, {4, 1}}};
        add(s, snake_of({{1, 4}, {2, 4}, {3, 4}}), {}, 6);
        add(s, snake_of({{3, 0}, {2, 0}, {1, 0}}), {}, 0);
        add(s, snake_of({{0, 1}, {0, 2}}), {}, 2);
        add(s, snake_of({{4, 3}, {4, 2}}), {}, 1);
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("closeup_turns", 4, 3, 0);
        add(s, snake_of({{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}}), {}, 1);
        add(s, snake_of({{3, 0}, {3, 1}, {2, 0}}), {}, 3);
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("closeup_grow", 3, 3, 0);
        add(s, snake_of({{0, 0}, {1, 0}, {2, 0}, {2, 1}, {2, 2}}),
            step(-0.5f, {0, 0}, ItemKind::Grow));
        scenes.push_back(std::move(s));
    }
    {
        Scene s = board("closeup_tail", 3, 2, 0);
        add(s, snake_of({{0, 1}, {1, 1}, {2, 1}}));
        add(s, snake_of({{0, 0}, {1, 0}, {2, 0}}), {}, 1);
        scenes.push_back(std::move(s));
    }
    return scenes;
}

} // namespace coilwend::preview
