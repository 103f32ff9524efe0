#include "board_lab/lab_file.hpp"

#include <sstream>

namespace coilwend::board_lab {

std::vector<LabBoard> read_lab_boards(const std::string& contents, std::uint8_t setting,
                                      const std::string& file_name) {
    const auto file = std::make_shared<const std::string>(file_name);
    std::vector<LabBoard> boards;
    std::istringstream in(contents);
    std::string line;
    unsigned number = 0;
    std::string name;
    std::string picture;
    unsigned first_line = 0;
    auto finish = [&] {
        if (name.empty())
            return;
        LabBoard board;
        board.name = std::make_shared<const std::string>(name);
        board.picture = std::make_shared<const std::string>(picture);
        board.file = file;
        // The picture's first line is the header, one line below the "= " line.
        board.text =
            BoardText{*board.name, *board.name, setting, *board.picture, *file, first_line};
        boards.push_back(std::move(board));
        name.clear();
        picture.clear();
    };
    while (std::getline(in, line)) {
        ++number;
        if (line.rfind("//", 0) == 0)
            continue;
        if (line.rfind("= ", 0) == 0) {
            finish();
            name = line.substr(2);
            picture.assign(1, '\n');
            first_line = number;
            continue;
        }
        if (!name.empty())
            picture += line + "\n";
    }
    finish();
    return boards;
}

} // namespace coilwend::board_lab
