#include "overworld/progress_file.hpp"

#include "game/log.hpp"
#include "overworld/reveal.hpp"

#include <algorithm>
#include <cstdio>
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

// Line feeds end lines; one carriage return before a feed goes with it; a
// last line without a feed counts, and a final feed adds no empty line.
std::vector<std::string_view> split_lines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    while (!bytes.empty()) {
        const auto end = bytes.find('\n');
        std::string_view line = bytes.substr(0, end);
        if (end != std::string_view::npos && line.ends_with('\r'))
            line.remove_suffix(1);
        lines.push_back(line);
        bytes = end == std::string_view::npos ? std::string_view() : bytes.substr(end + 1);
    }
    return lines;
}

bool is_valid_utf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            code = lead & 0x1F;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            code = lead & 0x0F;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = (code << 6) | (next & 0x3F);
        }
        constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < kSmallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Bytes that would garble the log line are shown as \xNN.
std::string printable(std::string_view bytes) {
    std::string out;
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            out += c;
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        }
    }
    return out;
}

// Decodes one line, or logs why it is skipped.
std::optional<SaveLine> decode_line(std::string_view line) {
    if (!is_valid_utf8(line)) {
        log_line("Save line is not valid UTF-8: " + printable(line));
        return std::nullopt;
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos) {
        log_line("Malformed save line: " + std::string(line));
        return std::nullopt;
    }
    const std::string_view command = line.substr(0, colon);
    std::string_view argument = line.substr(colon + 1);
    argument = argument.substr(0, argument.find(':'));
    if (command == "completed")
        return SaveLine{Command::Completed, argument};
    if (command == "selected")
        return SaveLine{Command::Selected, argument};
    log_line("Unknown save command: " + std::string(command));
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

    std::vector<SaveLine> lines;
    for (const std::string_view line : split_lines(*read.bytes))
        if (auto decoded = decode_line(line))
            lines.push_back(*decoded);

    // The lines are applied to a copy, so the live table changes in one step.
    std::vector<OverworldEntry> staged = levels;
    std::size_t staged_selected = selected;
    for (const SaveLine& line : lines) {
        const auto index = find_entry(staged, line.argument);
        if (line.command == Command::Selected) {
            if (!index)
                log_line("Unknown selected level: " + std::string(line.argument));
            staged_selected = index.value_or(0);
        } else if (!index) {
            log_line("Unknown completed level: " + std::string(line.argument));
        } else {
            staged[*index].state = State::Completed;
            reveal_around(staged, *index);
        }
    }
    // The cursor may never rest on a hidden entry; an edited file could ask for one.
    if (staged_selected < staged.size() && staged[staged_selected].state == State::Hidden) {
        log_line("Selected level is still hidden, selecting the first: " +
                 std::string(staged[staged_selected].id));
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
    if (const auto error = file.replace(text))
        fatal(*error);
}

} // namespace coilwend
