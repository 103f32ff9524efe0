#pragma once
// A file in the per-user preferences folder (progress, settings), read whole
// and replaced atomically so a crash never leaves half a file behind.

#include "storage/stored_file.hpp"

#include <string>

namespace coilwend {

class PreferencesFile final : public StoredFile {
  public:
    // folder already ends in a separator; the name is appended as it is.
    PreferencesFile(std::string folder, std::string_view name);

    std::string path() const override { return path_; }
    FileRead read() override;
    std::optional<std::string> replace(std::string_view bytes) override;

  private:
    std::string folder_;
    std::string path_;
};

} // namespace coilwend
