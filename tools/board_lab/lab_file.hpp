#pragma once
// A designer's scratch file of board pictures, each block opened by a line
// "= Name" and followed by a picture in the catalogue's format, so drafts can
// be measured before they are copied into the catalogue.

#include "levels/board_text.hpp"

#include <memory>
#include <string>
#include <vector>

namespace coilwend::board_lab {

struct LabBoard {
    // Owned text behind the views of `text`.
    std::shared_ptr<const std::string> name;
    std::shared_ptr<const std::string> picture;
    std::shared_ptr<const std::string> file;
    BoardText text;
};

// Splits the contents of a scratch file into boards of the given setting.
// Lines before the first "= " line and lines starting with "//" are ignored.
std::vector<LabBoard> read_lab_boards(const std::string& contents, std::uint8_t setting,
                                      const std::string& file_name);

} // namespace coilwend::board_lab
