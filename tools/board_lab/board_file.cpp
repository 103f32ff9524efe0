#include "board_lab/board_file.hpp"

#include "levels/board_parser.hpp"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <mutex>
#include <set>
#include <sstream>

namespace coilwend::board_lab {
namespace {

constexpr std::string_view kHeader = "ground";

// A Puzzle only points at its name; drafts are few, so their texts are kept
// for the life of the program rather than tied to whoever parsed them.
std::string_view lasting(std::string text) {
    static std::mutex guard;
    static std::set<std::string, std::less<>> texts;
    const std::lock_guard lock(guard);
    return *texts.insert(std::move(text)).first;
}

std::vector<std::string_view> lines_of(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    }
    return lines;
}

} // namespace

std::vector<Draft> split_drafts(std::string_view contents) {
    const auto lines = lines_of(contents);
    const bool named = std::any_of(lines.begin(), lines.end(),
                                   [](std::string_view l) { return l.starts_with('='); });
    std::vector<Draft> drafts;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        std::string_view row = lines[i];
        const auto number = static_cast<unsigned>(i + 1);
        if (named && row.starts_with('=')) {
            while (!row.empty() && (row.front() == '=' || row.front() == ' '))
                row.remove_prefix(1);
            drafts.push_back({std::string(row), "\n", number});
            continue;
        }
        if (!named && row.starts_with(kHeader))
            // The header stands one line below the picture's leading line feed.
            drafts.push_back({std::to_string(drafts.size() + 1), "\n", number - 1});
        if (!drafts.empty() && !row.starts_with("//"))
            drafts.back().picture.append(row).push_back('\n');
    }
    return drafts;
}

std::optional<Puzzle> parse_draft(const Draft& draft, std::uint8_t setting, std::string_view file,
                                  std::string& error) {
    const std::string_view name = lasting(draft.name);
    const BoardParse parsed = parse_board(
        BoardText{name, name, setting, draft.picture, lasting(std::string(file)), draft.line});
    if (!parsed.level) {
        error = parsed.error;
        return std::nullopt;
    }
    return parsed.level->puzzle;
}

std::optional<std::string> read_board_file(const std::string& file) {
    std::stringstream text;
    if (file == "-") {
        text << std::cin.rdbuf();
        return text.str();
    }
    std::ifstream in(file);
    if (!in)
        return std::nullopt;
    text << in.rdbuf();
    return text.str();
}

} // namespace coilwend::board_lab
