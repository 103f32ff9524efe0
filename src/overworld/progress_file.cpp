#include "overworld/progress_file.hpp"

#include "game/log.hpp"
#include "overworld/reveal.hpp"
#include "storage/text_lines.hpp"
#include "storage/utf8.hpp"

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

namespace coilwend {
namespace {

enum class Command : std::uint8_t { Completed, Selected };

// One usable line of the file, decoded before anything touches the table.
struct SaveLine {
    Command command;
    std::string_view argument;
};

// Logs a skipped line, with its content made safe for the log.
void report(DamageCount& damage, std::string_view what, std::string_view content) {
    if (damage.should_log())
        log_line(std::string(what) + loggable(content));
}

// Decodes one line, or logs why it is skipped.
std::optional<SaveLine> decode_line(std::string_view line, DamageCount& damage) {
    if (!is_valid_utf8(line)) {
        report(damage, "Save line is not valid UTF-8: ", line);
        return std::nullopt;
    }
    const auto pair = split_key_value(line);
    if (!pair) {
        report(damage, "Malformed save line: ", line);
        return std::nullopt;
    }
    if (pair->key == "completed")
        return SaveLine{Command::Completed, pair->value};
    if (pair->key == "selected")
        return SaveLine{Command::Selected, pair->value};
    report(damage, "Unknown save command: ", pair->key);
    return std::nullopt;
}

std::optional<std::size_t> find_entry(const std::vector<OverworldEntry>& levels,
                                      std::string_view id) {
    const auto it = std::find_if(levels.begin(), levels.end(),
                                 [&](const OverworldEntry& entry) { return entry.id == id; });
    if (it == levels.end())
        return std::nullopt;
    return static_cast<std::size_t>(it - levels.begin());
}

} // namespace

void load_progress(std::vector<OverworldEntry>& levels, std::size_t& selected, StoredFile& file) {
    log_line("Loading: " + file.path());
    const FileRead read = file.read();
    if (!read.bytes) {
        log_line("Loading failed: " + read.error);
        return;
    }

    DamageCount damage;
    std::vector<SaveLine> lines;
    for (const std::string_view line : split_lines(*read.bytes))
        if (auto decoded = decode_line(line, damage))
            lines.push_back(*decoded);

    // The lines are applied to a copy, so the live table changes in one step.
    std::vector<OverworldEntry> staged = levels;
    std::size_t staged_selected = selected;
    for (const SaveLine& line : lines) {
        const auto index = find_entry(staged, line.argument);
        if (line.command == Command::Selected) {
            if (!index)
                report(damage, "Unknown selected level: ", line.argument);
            staged_selected = index.value_or(0);
        } else if (!index) {
            report(damage, "Unknown completed level: ", line.argument);
        } else {
            staged[*index].state = State::Completed;
            reveal_around(staged, *index);
        }
    }
    if (const std::string skipped = damage.summary(); !skipped.empty())
        log_line(skipped);
    // The cursor may never rest on a hidden entry; an edited file could ask for one.
    if (staged_selected < staged.size() && staged[staged_selected].state == State::Hidden) {
        log_line("Selected level is still hidden, selecting the first: " +
                 loggable(staged[staged_selected].id));
        staged_selected = 0;
    }

    levels = std::move(staged);
    selected = staged_selected;
}

void save_progress(const std::vector<OverworldEntry>& levels, std::size_t selected,
                   StoredFile& file) {
    log_line("Saving: " + file.path());
    if (selected >= levels.size())
        fatal("Selected level " + std::to_string(selected) + " is outside the overworld");
    std::string text;
    for (const OverworldEntry& entry : levels) {
        if (entry.state == State::Completed) {
            text += "completed:";
            text += entry.id;
            text += '\n';
        }
    }
    text += "selected:";
    text += levels[selected].id;
    text += '\n';
    // The old file is still whole after a failed replace, and the next saving
    // moment writes everything again: log it and play on.
    if (const auto error = file.replace(text))
        log_line("Saving failed: " + *error);
}

} // namespace coilwend
