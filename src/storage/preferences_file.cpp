#include "storage/preferences_file.hpp"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace coilwend {
namespace {

std::string os_error(std::string_view what, const std::string& path) {
    return "Couldn't " + std::string(what) + " " + path + ": " + std::strerror(errno);
}

// Closes the descriptor on every way out.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    int get() const { return fd_; }
    // Closing can report a write the kernel deferred, so the caller checks it.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string_view kind_of(mode_t mode) {
    if (S_ISDIR(mode))
        return "a directory";
    if (S_ISFIFO(mode))
        return "a named pipe";
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return "a device";
    if (S_ISSOCK(mode))
        return "a socket";
    return "something unknown";
}

} // namespace

PreferencesFile::PreferencesFile(std::string folder, std::string_view name)
    : folder_(std::move(folder)), path_(folder_ + std::string(name)) {}

FileRead PreferencesFile::read() {
    FileRead result;
    // Without O_NONBLOCK a named pipe in the file's place would stop start-up
    // until some other program writes to it.
    Descriptor fd(::open(path_.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
    if (fd.get() < 0) {
        result.error = os_error("open", path_);
        result.missing = true;
        return result;
    }
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0) {
        result.error = os_error("inspect", path_);
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.error = path_ + " is not a regular file but " + std::string(kind_of(info.st_mode));
        return result;
    }
    const std::string too_large =
        path_ + " is larger than " + std::to_string(kMaxStoredFileBytes) + " bytes";
    if (static_cast<std::uintmax_t>(info.st_size) > kMaxStoredFileBytes) {
        result.error = too_large;
        return result;
    }
    std::string bytes;
    char buffer[8192];
    for (;;) {
        const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.error = os_error("read", path_);
            return result;
        }
        if (got == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(got));
        // The size seen above may be stale when the file grows meanwhile.
        if (bytes.size() > kMaxStoredFileBytes) {
            result.error = too_large;
            return result;
        }
    }
    result.bytes = std::move(bytes);
    return result;
}

std::optional<std::string> PreferencesFile::replace(std::string_view bytes) {
    const std::string temporary = path_ + ".tmp";
    // Non-blocking and never through a link, so a pipe or link someone left in
    // the temporary file's place cannot stall or redirect the write.
    Descriptor fd(::open(temporary.c_str(),
                         O_WRONLY | O_CREAT | O_TRUNC | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() < 0)
        return os_error("create", temporary);
    struct stat info {};
    if (::fstat(fd.get(), &info) != 0 || !S_ISREG(info.st_mode))
        return temporary + " is not a regular file";
    std::optional<std::string> error;
    if (!write_all(fd.get(), bytes))
        error = os_error("write", temporary);
    else if (::fsync(fd.get()) != 0)
        error = os_error("flush", temporary);
    else if (!fd.close())
        error = os_error("close", temporary);
    else if (::rename(temporary.c_str(), path_.c_str()) != 0)
        error = os_error("rename " + temporary + " onto", path_);
    if (error) {
        ::unlink(temporary.c_str());
        return error;
    }
    // Makes the rename itself durable. Best effort: the file is already
    // replaced, and losing only this step brings back the complete old file.
    Descriptor folder(::open(folder_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.get() >= 0)
        ::fsync(folder.get());
    return std::nullopt;
}

} // namespace coilwend
