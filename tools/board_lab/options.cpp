#include "options.hpp"

#include <cctype>
#include <charconv>
#include <cstdio>
#include <functional>
#include <iostream>
#include <map>
#include <string_view>

namespace coilwend::board_lab {

const char* const kUsage =
    R"(usage: coilwend-board-lab COMMAND (FILE [--only NAME] | --level ID) [OPTIONS]

FILE holds drafts, each opened by a line "= Name" and followed by a picture,
or bare pictures; "-" reads standard input. --setting S gives their setting.

  measure    figures and shortest solution of each board
             [--trace] [--traps] [--ablate] [--items] [--prune] [--tune N]
             [--wander N [--walks K]]
  search     proposals from each board, or with no board from random ones of
             --size WxH --snake LEN [--companion LEN] [--two-headed LEN]
             [--walls N] [--water N] [--grow N] [--shrink N] [--targets N]
  scramble   starts found by walking --walk N steps back from each finished board
  place-targets N   every way of adding N targets [--move-exit] [--tries N]
  rank       the best of all boards of FILE

Changes:  --change KINDS | --freeze KINDS  (walls,water,exit,items,kinds,targets,
          snakes,lengths,backwards)  [--exit-on-first-snake] [--max-walls N]
          [--max-length N]
Goals:    [--min-moves N] [--max-moves N] [--boxed-in] [--helping] [--need-heads]
          [--water-matters] [--targets-matter] [--items-matter] [--eat-all | --eat-none]
          [--eater LETTER]... [--vanish LETTER]...
Run:      [--restarts N] [--steps N] [--keep N] [--seed N] [--threads N]
          [--max-positions N]
)";

namespace {

template <typename T> bool number(std::string_view text, T& out) {
    const auto [end, fault] = std::from_chars(text.data(), text.data() + text.size(), out);
    return fault == std::errc{} && end == text.data() + text.size();
}

bool size(std::string_view text, Cast& cast) {
    const auto x = text.find('x');
    return x != std::string_view::npos && number(text.substr(0, x), cast.width) &&
           number(text.substr(x + 1), cast.height);
}

// A snake by its letter, either case: a or A is snake 0.
bool snake_index(std::string_view text, std::vector<std::size_t>& into) {
    if (text.size() != 1 || !std::isalpha(static_cast<unsigned char>(text[0])))
        return false;
    into.push_back(static_cast<std::size_t>(std::tolower(text[0]) - 'a'));
    return true;
}

bool kinds(std::string_view list, ChangeRules& rules, bool allowed) {
    while (!list.empty()) {
        const auto comma = list.find(',');
        if (!allow_change(rules, list.substr(0, comma), allowed))
            return false;
        list = comma == std::string_view::npos ? std::string_view{} : list.substr(comma + 1);
    }
    return true;
}

bool only_kinds(std::string_view list, ChangeRules& rules) {
    for (const char* kind :
         {"walls", "water", "exit", "items", "kinds", "targets", "snakes", "lengths", "backwards"})
        allow_change(rules, kind, false);
    return kinds(list, rules, true);
}

bool snake(std::string_view text, Cast& cast, bool companion, bool two_headed) {
    SnakeShape shape{0, companion, two_headed};
    cast.snakes.push_back(shape);
    return number(text, cast.snakes.back().length);
}

WanderRun& wander_run(Options& o) {
    if (!o.wander)
        o.wander.emplace();
    return *o.wander;
}

using Flag = std::function<void(Options&)>;
using Valued = std::function<bool(Options&, std::string_view)>;

const std::map<std::string_view, Flag>& flags() {
    static const std::map<std::string_view, Flag> table{
        {"--trace", [](Options& o) { o.trace = true; }},
        {"--traps", [](Options& o) { o.traps = true; }},
        {"--ablate", [](Options& o) { o.ablate = true; }},
        {"--items", [](Options& o) { o.items = true; }},
        {"--prune", [](Options& o) { o.prune = true; }},
        {"--exit-on-first-snake", [](Options& o) { o.rules.exit_on_first_snake = true; }},
        {"--boxed-in", [](Options& o) { o.goals.boxed_in = true; }},
        {"--helping", [](Options& o) { o.goals.helping = true; }},
        {"--need-heads", [](Options& o) { o.goals.need_heads = true; }},
        {"--water-matters", [](Options& o) { o.goals.water_matters = true; }},
        {"--targets-matter", [](Options& o) { o.goals.targets_matter = true; }},
        {"--items-matter", [](Options& o) { o.goals.items_matter = true; }},
        {"--eat-all", [](Options& o) { o.goals.eat = EatGoal::All; }},
        {"--eat-none", [](Options& o) { o.goals.eat = EatGoal::None; }},
        {"--move-exit", [](Options& o) { o.placement.move_exit = true; }},
    };
    return table;
}

const std::map<std::string_view, Valued>& valued() {
    static const std::map<std::string_view, Valued> table{
        {"--level",
         [](Options& o, std::string_view v) {
             o.level = v;
             return true;
         }},
        {"--only",
         [](Options& o, std::string_view v) {
             o.only = v;
             return true;
         }},
        {"--setting", [](Options& o, std::string_view v) { return number(v, o.setting); }},
        {"--max-positions",
         [](Options& o, std::string_view v) { return number(v, o.max_positions.emplace()); }},
        {"--tune", [](Options& o, std::string_view v) { return number(v, o.tune); }},
        {"--wander",
         [](Options& o, std::string_view v) { return number(v, wander_run(o).max_moves); }},
        {"--walks", [](Options& o, std::string_view v) { return number(v, wander_run(o).walks); }},
        {"--size", [](Options& o, std::string_view v) { return size(v, o.cast); }},
        {"--snake", [](Options& o, std::string_view v) { return snake(v, o.cast, false, false); }},
        {"--companion",
         [](Options& o, std::string_view v) { return snake(v, o.cast, true, false); }},
        {"--two-headed",
         [](Options& o, std::string_view v) { return snake(v, o.cast, false, true); }},
        {"--walls", [](Options& o, std::string_view v) { return number(v, o.cast.walls); }},
        {"--water", [](Options& o, std::string_view v) { return number(v, o.cast.water); }},
        {"--grow", [](Options& o, std::string_view v) { return number(v, o.cast.grow); }},
        {"--shrink", [](Options& o, std::string_view v) { return number(v, o.cast.shrink); }},
        {"--targets", [](Options& o, std::string_view v) { return number(v, o.cast.targets); }},
        {"--change", [](Options& o, std::string_view v) { return only_kinds(v, o.rules); }},
        {"--freeze", [](Options& o, std::string_view v) { return kinds(v, o.rules, false); }},
        {"--max-walls",
         [](Options& o, std::string_view v) { return number(v, o.rules.max_walls); }},
        {"--max-length",
         [](Options& o, std::string_view v) { return number(v, o.rules.max_length); }},
        {"--min-moves",
         [](Options& o, std::string_view v) { return number(v, o.goals.min_moves); }},
        {"--max-moves",
         [](Options& o, std::string_view v) { return number(v, o.goals.max_moves); }},
        {"--eater", [](Options& o, std::string_view v) { return snake_index(v, o.goals.eaters); }},
        {"--vanish",
         [](Options& o, std::string_view v) { return snake_index(v, o.goals.vanishers); }},
        {"--restarts", [](Options& o, std::string_view v) { return number(v, o.run.restarts); }},
        {"--steps", [](Options& o, std::string_view v) { return number(v, o.run.steps); }},
        {"--keep", [](Options& o, std::string_view v) { return number(v, o.run.keep); }},
        {"--seed", [](Options& o, std::string_view v) { return number(v, o.run.seed); }},
        {"--threads", [](Options& o, std::string_view v) { return number(v, o.run.threads); }},
        {"--walk", [](Options& o, std::string_view v) { return number(v, o.walk); }},
        {"--tries",
         [](Options& o, std::string_view v) { return number(v, o.placement.max_tries); }},
    };
    return table;
}

} // namespace

std::optional<Options> read_options(int argc, char** argv) {
    if (argc < 2)
        return std::nullopt;
    Options o;
    o.command = argv[1];
    for (int i = 2; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (!arg.starts_with("--")) {
            o.arguments.emplace_back(arg);
        } else if (const auto flag = flags().find(arg); flag != flags().end()) {
            flag->second(o);
        } else if (const auto option = valued().find(arg); option != valued().end()) {
            if (i + 1 >= argc || !option->second(o, argv[++i])) {
                std::cerr << "bad value for " << arg << '\n';
                return std::nullopt;
            }
        } else {
            std::cerr << "unknown option " << arg << '\n';
            return std::nullopt;
        }
    }
    return o;
}

} // namespace coilwend::board_lab
