#pragma once
// The program log: each message is one line on standard output and in the
// file "log" of the preferences directory, truncated by the first line of a run.

#include <source_location>
#include <string>
#include <string_view>

namespace coilwend {

enum class LogLevel { Off = 0, Error = 1, Info = 2 };

// Where the log file lives; set once at start-up before the first line is
// written. Without it (tests, tools) lines go to standard output only.
void set_log_file(std::string path);
void log_line(std::string_view message, LogLevel level = LogLevel::Info);

// Called with the formatted panic text after it has been logged, to show it to
// the player (the platform layer installs a message box here).
using PanicPresenter = void (*)(const std::string& text);
void set_panic_presenter(PanicPresenter presenter);

// Ends the program through the one fatal-error path: logs "Panic at <file>:<line> - <message>",
// shows it, and exits with a non-zero status.
[[noreturn]] void fatal(std::string_view message,
                        std::source_location where = std::source_location::current());

// Formats the panic text; an empty message becomes "Unknown panic payload".
std::string panic_text(std::string_view file, unsigned line, std::string_view message);

} // namespace coilwend
