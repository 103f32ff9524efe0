#include "game/log.hpp"

#include <cstdio>
#include <cstdlib>

namespace coilwend {
namespace {

struct LogState {
    std::string path;
    std::FILE* file = nullptr;
    bool opened = false;
    PanicPresenter presenter = nullptr;
};

LogState& state() {
    static LogState instance;
    return instance;
}

// Source paths are shown from "src/" on, so messages do not depend on where the tree was built.
std::string_view short_file(std::string_view file) {
    const auto at = file.rfind("src/");
    return at == std::string_view::npos ? file : file.substr(at);
}

} // namespace

void set_log_file(std::string path) {
    state().path = std::move(path);
}

void log_line(std::string_view message, LogLevel level) {
    if (level == LogLevel::Off)
        return;
    auto& s = state();
    std::fwrite(message.data(), 1, message.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
    if (!s.opened && !s.path.empty()) {
        // The first line of a run truncates the previous run's log.
        s.file = std::fopen(s.path.c_str(), "w");
        s.opened = true;
    }
    if (s.file != nullptr) {
        std::fwrite(message.data(), 1, message.size(), s.file);
        std::fputc('\n', s.file);
        std::fflush(s.file);
    }
}

void set_panic_presenter(PanicPresenter presenter) {
    state().presenter = presenter;
}

std::string panic_text(std::string_view file, unsigned line, std::string_view message) {
    std::string text = "Panic at ";
    text += short_file(file);
    text += ':';
    text += std::to_string(line);
    text += " - ";
    text += message.empty() ? std::string_view("Unknown panic payload") : message;
    return text;
}

void fatal(std::string_view message, std::source_location where) {
    const std::string text = panic_text(where.file_name(), where.line(), message);
    log_line(text, LogLevel::Error);
    if (auto presenter = state().presenter)
        presenter(text);
    else // tools and tests have no message box; standard error is where they look
        std::fprintf(stderr, "%s\n", text.c_str());
    std::fflush(nullptr);
    std::_Exit(101);
}

} // namespace coilwend
