#include "overworld/records_file.hpp"

#include "game/log.hpp"
#include "storage/text_lines.hpp"
#include "storage/utf8.hpp"

#include <charconv>

namespace coilwend {
namespace {

std::optional<std::uint32_t> parse_moves(std::string_view text) {
    constexpr std::uint32_t kMost = 1'000'000; // far beyond any level's solution
    std::uint32_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || value == 0 ||
        value > kMost)
        return std::nullopt;
    return value;
}

} // namespace

Records load_records(StoredFile& file) {
    Records records;
    const FileRead read = file.read();
    if (!read.bytes) {
        if (!read.missing)
            log_line("Loading failed: " + read.error);
        return records;
    }
    DamageCount damage;
    for (const std::string_view line : split_lines(*read.bytes)) {
        const auto pair = is_valid_utf8(line) ? split_key_value(line) : std::nullopt;
        const auto moves = pair ? parse_moves(pair->value) : std::nullopt;
        if (!moves || pair->key.empty()) {
            if (damage.should_log())
                log_line("Bad records line: " + loggable(line));
            continue;
        }
        note_record(records, pair->key, *moves);
    }
    if (const std::string skipped = damage.summary(); !skipped.empty())
        log_line(skipped);
    return records;
}

bool note_record(Records& records, std::string_view id, std::uint32_t moves) {
    const auto found = records.find(id);
    if (found != records.end() && found->second <= moves)
        return false;
    records.insert_or_assign(std::string(id), moves);
    return true;
}

void save_records(const Records& records, StoredFile& file) {
    std::string text;
    for (const auto& [id, moves] : records)
        text += id + ':' + std::to_string(moves) + '\n';
    if (const auto error = file.replace(text))
        log_line("Saving failed: " + *error);
}

} // namespace coilwend
