#include "levels/board_parser.hpp"

#include "game/log.hpp"

#include <algorithm>
#include <array>
#include <map>
#include <sstream>

namespace coilwend {
namespace {

constexpr std::array<std::string_view, 4> kLayers{"ground", "marks", "items", "snakes"};
constexpr int kMinWidth = 4, kMaxWidth = 11, kMinHeight = 2, kMaxHeight = 7;
constexpr int kSettings = 5;

struct SourceLine {
    std::string_view text;
    unsigned line = 0; // line in the source file
};

std::vector<SourceLine> split_lines(std::string_view picture, unsigned first_line) {
    std::vector<SourceLine> lines;
    unsigned line = first_line;
    while (true) {
        const auto end = picture.find('\n');
        lines.push_back({picture.substr(0, end), line});
        if (end == std::string_view::npos)
            break;
        picture.remove_prefix(end + 1);
        ++line;
    }
    return lines;
}

std::vector<std::string_view> split_words(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (at < text.size()) {
        while (at < text.size() && (text[at] == ' ' || text[at] == '\t'))
            ++at;
        const auto start = at;
        while (at < text.size() && text[at] != ' ' && text[at] != '\t')
            ++at;
        if (at > start)
            words.push_back(text.substr(start, at - start));
    }
    return words;
}

bool is_blank(std::string_view text) {
    return split_words(text).empty();
}

std::string_view short_file(std::string_view file) {
    const auto at = file.rfind("src/");
    return at == std::string_view::npos ? file : file.substr(at);
}

// Appends the parts; also sidesteps a false -Wrestrict warning of GCC 12 on
// chains of string concatenation.
template <typename... Parts> std::string join(const Parts&... parts) {
    std::string text;
    (text.append(std::string_view(parts)), ...);
    return text;
}

std::string cell_text(int x, int y) {
    return join("(", std::to_string(x), ", ", std::to_string(y), ")");
}

// Collects the first fault with its source line.
class Faults {
  public:
    Faults(const BoardText& text) : text_(text) {}
    bool any() const { return !message_.empty(); }
    template <typename... Parts> void add(unsigned line, const Parts&... parts) {
        if (any())
            return;
        const std::string what = join(parts...);
        std::ostringstream out;
        out << "Level " << text_.id << " at " << short_file(text_.file) << ':' << line << ": "
            << what;
        message_ = out.str();
    }
    const std::string& message() const { return message_; }

  private:
    const BoardText& text_;
    std::string message_;
};

// One character per cell and layer, indexed by board coordinates.
struct Layers {
    int width = 0;
    int height = 0;
    std::array<std::vector<char>, 4> cells;
    std::vector<unsigned> row_lines; // source line of each row, by y
    char at(int layer, int x, int y) const { return cells[layer][y * width + x]; }
};

// Heads stop at p so that 'v', the downward arrow, is never read as a head.
bool is_head(char c) {
    return (c >= 'a' && c <= 'p') || (c >= 'A' && c <= 'P');
}

enum Layer { kGround = 0, kMarks = 1, kItems = 2, kSnakes = 3 };

bool valid_char(int layer, char c) {
    switch (layer) {
    case kGround:
        return c == '.' || c == '#' || c == '~';
    case kMarks:
        return c == '.' || c == 'E' || c == 'o' || c == '@';
    case kItems:
        return c == '.' || c == '+' || c == '-';
    default:
        return c == '.' || c == '>' || c == '<' || c == '^' || c == 'v' || is_head(c);
    }
}

int head_index(char c) {
    return c >= 'a' ? c - 'a' : c - 'A';
}

// The cell an arrow points at.
Pos arrow_target(char arrow, int x, int y) {
    switch (arrow) {
    case '>':
        return {wrap8(x + 1), wrap8(y)};
    case '<':
        return {wrap8(x - 1), wrap8(y)};
    case '^':
        return {wrap8(x), wrap8(y + 1)};
    default:
        return {wrap8(x), wrap8(y - 1)};
    }
}

bool is_arrow(char c) {
    return c == '>' || c == '<' || c == '^' || c == 'v';
}

// Reads the header, the rows and the options. Returns the index of the first
// line after the rows.
std::size_t read_rows(const std::vector<SourceLine>& lines, const BoardText& text, Layers& layers,
                      Faults& faults) {
    std::size_t at = 0;
    while (at < lines.size() && is_blank(lines[at].text))
        ++at;
    if (at == lines.size()) {
        faults.add(text.line, "the picture is empty");
        return at;
    }
    const auto header = split_words(lines[at].text);
    if (!std::equal(header.begin(), header.end(), kLayers.begin(), kLayers.end())) {
        faults.add(lines[at].line, "the first line must be \"ground marks items snakes\"");
        return at;
    }
    ++at;
    std::vector<std::vector<std::string_view>> rows;
    std::vector<unsigned> lines_of_rows;
    for (; at < lines.size(); ++at) {
        const auto words = split_words(lines[at].text);
        if (words.empty() || words[0].back() == ':')
            break;
        if (words.size() != kLayers.size()) {
            faults.add(lines[at].line, "a row needs four layers, found ",
                       std::to_string(words.size()));
            return at;
        }
        rows.push_back(words);
        lines_of_rows.push_back(lines[at].line);
    }
    if (rows.empty()) {
        faults.add(lines[at - 1].line, "the board has no rows");
        return at;
    }
    layers.height = static_cast<int>(rows.size());
    layers.width = static_cast<int>(rows[0][0].size());
    if (layers.height < kMinHeight || layers.height > kMaxHeight)
        faults.add(lines_of_rows[0], "the board has ", std::to_string(layers.height),
                   " rows, expected 2 to 7");
    if (layers.width < kMinWidth || layers.width > kMaxWidth)
        faults.add(lines_of_rows[0], "the board is ", std::to_string(layers.width),
                   " cells wide, expected 4 to 11");
    if (faults.any())
        return at;
    for (auto& layer : layers.cells)
        layer.resize(static_cast<std::size_t>(layers.width * layers.height));
    layers.row_lines.resize(static_cast<std::size_t>(layers.height));
    for (int r = 0; r < layers.height; ++r) {
        const int y = layers.height - 1 - r; // the top row is written first
        layers.row_lines[y] = lines_of_rows[r];
        for (int l = 0; l < 4; ++l) {
            const auto word = rows[r][l];
            if (static_cast<int>(word.size()) != layers.width) {
                faults.add(lines_of_rows[r], "the ", std::string(kLayers[l]), " layer has ",
                           std::to_string(word.size()), " cells, expected ",
                           std::to_string(layers.width));
                return at;
            }
            for (int x = 0; x < layers.width; ++x) {
                if (!valid_char(l, word[x])) {
                    faults.add(lines_of_rows[r], "'", std::string(1, word[x]),
                               "' is not a cell of the ", std::string(kLayers[l]), " layer");
                    return at;
                }
                layers.cells[l][y * layers.width + x] = word[x];
            }
        }
    }
    return at;
}

// Follows the arrows backwards from every head, so each snake's cells come out
// from its first cell to its last.
void read_snakes(const Layers& layers, Faults& faults, std::vector<Snake>& snakes,
                 std::vector<unsigned>& head_lines) {
    const int w = layers.width, h = layers.height;
    std::vector<bool> used(static_cast<std::size_t>(w * h), false);
    std::map<int, std::pair<Snake, unsigned>> by_index;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const char c = layers.at(kSnakes, x, y);
            if (!is_head(c))
                continue;
            const int index = head_index(c);
            const unsigned line = layers.row_lines[y];
            if (by_index.count(index)) {
                faults.add(line, "snake ", std::string(1, c), " has two heads");
                return;
            }
            Snake snake;
            snake.companion = c >= 'a';
            std::vector<Pos> backwards{{wrap8(x), wrap8(y)}};
            used[y * w + x] = true;
            while (true) {
                const Pos at = backwards.back();
                std::vector<Pos> feeders;
                for (int ny = 0; ny < h; ++ny)
                    for (int nx = 0; nx < w; ++nx) {
                        const char a = layers.at(kSnakes, nx, ny);
                        if (is_arrow(a) && arrow_target(a, nx, ny) == at)
                            feeders.push_back({wrap8(nx), wrap8(ny)});
                    }
                if (feeders.size() > 1) {
                    faults.add(layers.row_lines[at.y], "two arrows lead into ",
                               cell_text(at.x, at.y));
                    return;
                }
                if (feeders.empty())
                    break;
                const Pos next = feeders[0];
                if (used[next.y * w + next.x]) {
                    faults.add(layers.row_lines[next.y], "the arrows at ",
                               cell_text(next.x, next.y), " go round in a loop");
                    return;
                }
                used[next.y * w + next.x] = true;
                backwards.push_back(next);
            }
            if (backwards.size() < 2) {
                faults.add(line, "snake ", std::string(1, c), " has fewer than two cells");
                return;
            }
            snake.cells.assign(backwards.rbegin(), backwards.rend());
            by_index[index] = {std::move(snake), line};
        }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (is_arrow(layers.at(kSnakes, x, y)) && !used[y * w + x]) {
                faults.add(layers.row_lines[y], "the arrow at ", cell_text(x, y),
                           " leads to no head");
                return;
            }
    int expected = 0;
    for (auto& [index, snake_and_line] : by_index) {
        if (index != expected) {
            faults.add(snake_and_line.second,
                       "snake letters must run from a without gaps; missing ",
                       std::string(1, static_cast<char>('a' + expected)));
            return;
        }
        ++expected;
        snakes.push_back(std::move(snake_and_line.first));
        head_lines.push_back(snake_and_line.second);
    }
    if (snakes.empty())
        faults.add(layers.row_lines[h - 1], "the board has no snakes");
}

void read_options(const std::vector<SourceLine>& lines, std::size_t at, Puzzle& puzzle,
                  Faults& faults) {
    for (; at < lines.size(); ++at) {
        const auto words = split_words(lines[at].text);
        if (words.empty())
            continue;
        if (words[0] == "idea:")
            continue; // the designer's note for the level list, not part of the board
        if (words[0] != "two-headed:") {
            faults.add(lines[at].line, "unknown line \"", std::string(lines[at].text), "\"");
            return;
        }
        for (std::size_t i = 1; i < words.size(); ++i) {
            const auto word = words[i];
            const int index = word.size() == 1 && is_head(word[0]) ? head_index(word[0]) : -1;
            if (index < 0 || index >= static_cast<int>(puzzle.snakes.size())) {
                faults.add(lines[at].line, "\"", std::string(word), "\" names no snake");
                return;
            }
            puzzle.snakes[index].two_headed = true;
        }
    }
}

void read_cells(const Layers& layers, Puzzle& puzzle, Faults& faults) {
    int exits = 0;
    for (int y = 0; y < layers.height; ++y)
        for (int x = 0; x < layers.width; ++x) {
            const Pos p{wrap8(x), wrap8(y)};
            const char ground = layers.at(kGround, x, y);
            const char mark = layers.at(kMarks, x, y);
            const char item = layers.at(kItems, x, y);
            if (ground == '#')
                puzzle.walls.push_back(p);
            if (ground == '~')
                puzzle.water.push_back(p);
            if (mark == 'E' || mark == '@') {
                puzzle.exit = p;
                ++exits;
            }
            if (mark == 'o' || mark == '@')
                puzzle.targets.push_back(p);
            if (item != '.')
                puzzle.items.push_back({item == '+' ? ItemKind::Grow : ItemKind::Shrink, p});
            const unsigned line = layers.row_lines[y];
            if (ground == '#' && (item != '.' || layers.at(kSnakes, x, y) != '.'))
                faults.add(line, "something lies on the wall at ", cell_text(x, y));
            if (ground == '#' && mark == 'E')
                faults.add(line, "the exit at ", cell_text(x, y), " is a wall");
        }
    if (exits != 1)
        faults.add(layers.row_lines[layers.height - 1], "the board needs exactly one exit, found ",
                   std::to_string(exits));
}

} // namespace

BoardParse parse_board(const BoardText& text) {
    Faults faults(text);
    const auto lines = split_lines(text.picture, text.line);
    Layers layers;
    const auto after_rows = read_rows(lines, text, layers, faults);
    if (faults.any())
        return {std::nullopt, faults.message()};

    Puzzle puzzle;
    puzzle.name = text.title;
    puzzle.width = static_cast<std::uint8_t>(layers.width);
    puzzle.height = static_cast<std::uint8_t>(layers.height);
    puzzle.setting = text.setting;
    if (text.setting >= kSettings)
        faults.add(text.line, "setting ", std::to_string(text.setting), " is not 0 to 4");
    read_cells(layers, puzzle, faults);
    std::vector<unsigned> head_lines;
    if (!faults.any())
        read_snakes(layers, faults, puzzle.snakes, head_lines);
    if (!faults.any())
        read_options(lines, after_rows, puzzle, faults);
    if (!faults.any()) {
        const bool has_own = std::any_of(puzzle.snakes.begin(), puzzle.snakes.end(),
                                         [](const Snake& s) { return !s.companion; });
        if (!has_own)
            faults.add(layers.row_lines[layers.height - 1],
                       "every snake is a companion: nothing can reach the exit");
        for (std::size_t i = 0; i < puzzle.snakes.size() && !faults.any(); ++i)
            if (puzzle.snakes[i].companion)
                for (const Pos p : puzzle.snakes[i].cells)
                    if (layers.at(kGround, p.x, p.y) == '~')
                        faults.add(layers.row_lines[p.y], "companion ",
                                   std::string(1, static_cast<char>('a' + i)),
                                   " starts in water at ", cell_text(p.x, p.y));
    }
    if (faults.any())
        return {std::nullopt, faults.message()};
    return {Level{text.id, std::move(puzzle)}, {}};
}

std::string_view board_idea(const BoardText& text) {
    for (const SourceLine& line : split_lines(text.picture, text.line)) {
        auto rest = line.text;
        const auto start = rest.find_first_not_of(" \t");
        if (start == std::string_view::npos)
            continue;
        rest.remove_prefix(start);
        if (rest.starts_with("idea:")) {
            rest.remove_prefix(5);
            const auto first = rest.find_first_not_of(' ');
            return first == std::string_view::npos ? std::string_view() : rest.substr(first);
        }
    }
    return {};
}

Level parse_board_or_die(const BoardText& text) {
    auto parsed = parse_board(text);
    if (!parsed.level)
        fatal(parsed.error);
    return std::move(*parsed.level);
}

} // namespace coilwend
