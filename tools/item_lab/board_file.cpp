#include "board_file.hpp"

#include "levels/board_parser.hpp"

namespace coilwend {

std::vector<DraftBoard> split_drafts(std::string_view text) {
    std::vector<DraftBoard> drafts;
    unsigned line = 0;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const std::string_view row = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        ++line;
        if (row.starts_with("==")) {
            std::string_view rest = row.substr(2);
            while (!rest.empty() && rest.front() == ' ')
                rest.remove_prefix(1);
            const auto gap = rest.find(' ');
            DraftBoard draft;
            draft.id = std::string(rest.substr(0, gap));
            draft.title =
                gap == std::string_view::npos ? draft.id : std::string(rest.substr(gap + 1));
            draft.line = line;
            draft.picture.assign(1, '\n');
            drafts.push_back(std::move(draft));
        } else if (!drafts.empty() && !row.starts_with("//")) {
            drafts.back().picture.append(row).push_back('\n');
        }
    }
    return drafts;
}

std::optional<Puzzle> DraftShelf::parse(const DraftBoard& draft, std::uint8_t setting,
                                        std::string& error) {
    const std::string& id = texts_.emplace_back(draft.id);
    const std::string& title = texts_.emplace_back(draft.title);
    const std::string& picture = texts_.emplace_back(draft.picture);
    const BoardParse parsed =
        parse_board(BoardText{id, title, setting, picture, "draft", draft.line});
    if (!parsed.level) {
        error = parsed.error;
        return std::nullopt;
    }
    return parsed.level->puzzle;
}

} // namespace coilwend
