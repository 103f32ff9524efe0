#pragma once
// One small file the game keeps in the preferences folder (progress,
// settings), behind an interface so tests can hand in bytes and make reads or
// writes fail on purpose.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace coilwend {

// Far beyond any file the game writes; a larger one is refused unread.
inline constexpr std::size_t kMaxStoredFileBytes = std::size_t{1} << 20;

struct FileRead {
    std::optional<std::string> bytes; // the whole file; empty when it could not be read
    std::string error;                // why not, when bytes is empty
    bool missing = false;             // true when the file could not be opened at all
    // Anything but a regular file of at most kMaxStoredFileBytes is refused
    // with the reason in error, and the caller keeps its defaults.
};

class StoredFile {
  public:
    virtual ~StoredFile() = default;
    // The file's full path, for log lines.
    virtual std::string path() const = 0;
    virtual FileRead read() = 0;
    // Replaces the file's contents as one step: a temporary file beside it is
    // written, flushed to disk and renamed over it. Returns the error text on
    // failure, in which case the old file is untouched.
    virtual std::optional<std::string> replace(std::string_view bytes) = 0;
};

} // namespace coilwend
