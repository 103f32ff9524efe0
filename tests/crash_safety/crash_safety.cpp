// Kills a process that saves progress and settings over and over with SIGKILL
// at random moments, many of them inside a write (between the temporary
// file's write and its rename), and checks after every kill that each file
// holds one complete generation, the old one or a newer one, never a partial
// or missing file, and that the next start loads it and saves again despite
// any temporary file the kill left behind.
//
//   coilwend_crash_safety KILLS [FOLDER]
//
// Exits 0 when every kill left the files whole; prints the figures on stderr.

#include "crash_safety/save_generations.hpp"
#include "storage/preferences_file.hpp"

#include <array>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <random>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

using namespace coilwend;
using namespace coilwend::crash_safety;

namespace {

// A broken write must not pass for a kill: the writer stops on the first one.
class StopOnWriteError final : public StoredFile {
  public:
    StopOnWriteError(const std::string& folder, std::string_view name) : file_(folder, name) {}
    std::string path() const override { return file_.path(); }
    FileRead read() override { return file_.read(); }
    std::optional<std::string> replace(std::string_view bytes) override {
        if (auto error = file_.replace(bytes)) {
            std::fprintf(stderr, "writer: %s\n", error->c_str());
            std::_Exit(4);
        }
        return std::nullopt;
    }

  private:
    PreferencesFile file_;
};

// The child: starts like the game, loading both files, says it is ready, then
// writes one generation after the other until it is killed.
[[noreturn]] void run_writer(const std::string& folder, int ready) {
    StopOnWriteError save(folder, "save"), settings(folder, "settings");
    const LoadedGeneration loaded = load_generation(save, settings);
    if (!loaded.settings) {
        std::fprintf(stderr, "writer: the settings file lost its generation\n");
        std::_Exit(3);
    }
    const char byte = 1;
    if (::write(ready, &byte, 1) != 1)
        std::_Exit(5);
    for (std::uint32_t k = *loaded.settings + 1;; ++k)
        write_generation(k % kGenerations, save, settings);
}

std::optional<std::string> raw(const std::string& folder, std::string_view name) {
    return PreferencesFile(folder, name).read().bytes;
}

struct Figures {
    int kills = 0;
    int inside_write = 0;      // kills that left a temporary file they had written
    std::uint32_t written = 0; // generations completed over the whole run
};

// The temporary files as they stand: a kill landed inside a write when one
// of them was created or truncated since the writer started.
using TemporaryStamps = std::array<std::optional<std::int64_t>, 2>;
TemporaryStamps temporary_stamps(const std::string& folder) {
    TemporaryStamps stamps;
    const char* names[] = {"save.tmp", "settings.tmp"};
    for (std::size_t i = 0; i < stamps.size(); ++i) {
        struct stat info {};
        if (::stat((folder + names[i]).c_str(), &info) == 0)
            stamps[i] = std::int64_t{info.st_ctim.tv_sec} * 1'000'000'000 + info.st_ctim.tv_nsec;
    }
    return stamps;
}

bool wrote_temporary(const TemporaryStamps& before, const TemporaryStamps& after) {
    for (std::size_t i = 0; i < before.size(); ++i)
        if (after[i] && after[i] != before[i])
            return true;
    return false;
}

// After a kill: both files whole and in order, and the readers agree.
bool check_folder(const std::string& folder, std::uint32_t& generation, Figures& figures) {
    const auto settings = raw(folder, "settings");
    const auto save = raw(folder, "save");
    if (!settings || !save) {
        std::fprintf(stderr, "FAIL: a file is missing or unreadable\n");
        return false;
    }
    const auto k = settings_generation(*settings);
    if (!k) {
        std::fprintf(stderr, "FAIL: settings file is not one whole generation:\n%s\n",
                     settings->c_str());
        return false;
    }
    const std::uint32_t ahead = (*k + kGenerations - generation) % kGenerations;
    if (ahead > kGenerations / 2) {
        std::fprintf(stderr, "FAIL: settings went back from %u to %u\n", generation, *k);
        return false;
    }
    // The progress file is written first, so it is at the same generation or one ahead.
    if (*save != save_text(*k) && *save != save_text((*k + 1) % kGenerations)) {
        std::fprintf(stderr, "FAIL: save file is not generation %u or the next:\n%s\n", *k,
                     save->c_str());
        return false;
    }
    PreferencesFile save_file(folder, "save"), settings_file(folder, "settings");
    const LoadedGeneration loaded = load_generation(save_file, settings_file);
    if (loaded.settings != k) {
        std::fprintf(stderr, "FAIL: the settings reader did not find generation %u\n", *k);
        return false;
    }
    figures.written += ahead;
    generation = *k;
    return true;
}

// One start of the writer, killed at a random moment once it is running.
bool kill_once(const std::string& folder, std::mt19937& random, int most_microseconds) {
    int ready[2];
    if (::pipe(ready) != 0)
        return false;
    const pid_t child = ::fork();
    if (child < 0)
        return false;
    if (child == 0) {
        ::close(ready[0]);
        run_writer(folder, ready[1]);
    }
    ::close(ready[1]);
    pollfd wait_ready{ready[0], POLLIN, 0};
    char byte = 0;
    const bool started = ::poll(&wait_ready, 1, 30'000) == 1 && ::read(ready[0], &byte, 1) == 1;
    ::close(ready[0]);
    if (started) {
        std::uniform_int_distribution<int> delay(0, most_microseconds);
        std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    }
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!started || !WIFSIGNALED(status)) {
        std::fprintf(stderr, "FAIL: the writer %s (exit status %d)\n",
                     started ? "stopped by itself" : "did not start",
                     WIFEXITED(status) ? WEXITSTATUS(status) : -1);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || std::atoi(argv[1]) < 1) {
        std::fprintf(stderr, "usage: %s KILLS [FOLDER]\n", argv[0]);
        return 2;
    }
    const int kills = std::atoi(argv[1]);
    std::string folder;
    if (argc > 2) {
        folder = argv[2];
        std::filesystem::create_directories(folder);
    } else {
        std::string pattern = (std::filesystem::temp_directory_path() / "coilwend-crash-XXXXXX");
        if (::mkdtemp(pattern.data()) == nullptr)
            return 2;
        folder = pattern;
    }
    if (!folder.ends_with('/'))
        folder += '/';
    // The game's log lines go to standard output; the figures go to stderr.
    std::fflush(stdout);
    ::dup2(::open("/dev/null", O_WRONLY), STDOUT_FILENO);

    StopOnWriteError save(folder, "save"), settings(folder, "settings");
    write_generation(0, save, settings);
    std::uint32_t generation = 0;
    Figures figures;
    std::mt19937 random(std::random_device{}());
    // Delays of up to a few generations, so kills fall anywhere in the cycle.
    const int most_microseconds = 15000;
    for (; figures.kills < kills; ++figures.kills) {
        const TemporaryStamps before = temporary_stamps(folder);
        const bool killed = kill_once(folder, random, most_microseconds);
        figures.inside_write += wrote_temporary(before, temporary_stamps(folder)) ? 1 : 0;
        if (!killed || !check_folder(folder, generation, figures)) {
            std::fprintf(stderr, "after %d kills; files left in %s\n", figures.kills,
                         folder.c_str());
            return 1;
        }
    }
    std::fprintf(stderr,
                 "crash safety: %d kills, %d inside a write (a temporary file left), %u "
                 "generations written, every file whole\n",
                 figures.kills, figures.inside_write, figures.written);
    if (figures.inside_write == 0 && kills >= 100) {
        std::fprintf(stderr, "FAIL: no kill landed inside a write\n");
        return 1;
    }
    if (argc <= 2)
        std::filesystem::remove_all(folder);
    return 0;
}
