#pragma once
// A StoredFile held in memory: tests hand in the bytes a file holds, read
// back what was written, and make reads or writes fail on purpose.

#include "storage/stored_file.hpp"

#include <optional>
#include <string>
#include <vector>

namespace coilwend::testing_support {

class MemoryStoredFile : public coilwend::StoredFile {
  public:
    explicit MemoryStoredFile(std::string path = "/prefs/file",
                              std::optional<std::string> start = std::nullopt)
        : bytes(std::move(start)), path_(std::move(path)) {}

    std::optional<std::string> bytes;       // the file; nothing when it does not exist
    std::optional<std::string> read_error;  // set: read() fails with this text
    std::optional<std::string> write_error; // set: replace() fails with this text
    std::vector<std::string> writes;        // every text written, oldest first

    std::string path() const override { return path_; }
    coilwend::FileRead read() override {
        if (read_error)
            return {std::nullopt, *read_error, false};
        if (!bytes)
            return {std::nullopt, "no such file", true};
        return {bytes, {}, false};
    }
    std::optional<std::string> replace(std::string_view text) override {
        if (write_error)
            return write_error;
        bytes = std::string(text);
        writes.push_back(*bytes);
        return std::nullopt;
    }

  private:
    std::string path_;
};

} // namespace coilwend::testing_support
