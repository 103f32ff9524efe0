#include "settings/settings_file.hpp"

#include "audio/sound_switch.hpp"
#include "game/log.hpp"
#include "settings/reportable_keycodes.hpp"
#include "storage/text_lines.hpp"
#include "storage/utf8.hpp"

#include <algorithm>
#include <charconv>
#include <cstddef>

namespace coilwend {
namespace {

constexpr std::string_view kSoundKey = "sound";
constexpr std::string_view kWidthKey = "window.width", kHeightKey = "window.height",
                           kFullscreenKey = "window.fullscreen";
constexpr std::int32_t kLargestWindowSide = 16384;

// The three window lines fill one placement; a bad value drops the whole of it.
struct WindowLines {
    std::optional<std::int32_t> width, height;
    std::optional<bool> fullscreen;
    bool bad = false;
};

bool decode_window_line(std::string_view key, std::string_view value, WindowLines& lines) {
    if (key == kFullscreenKey) {
        lines.fullscreen = value == "true";
        lines.bad = lines.bad || (value != "true" && value != "false");
        return true;
    }
    if (key != kWidthKey && key != kHeightKey)
        return false;
    std::int32_t side = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), side);
    if (value.empty() || error != std::errc{} || end != value.data() + value.size() || side < 1 ||
        side > kLargestWindowSide)
        lines.bad = true;
    else
        (key == kWidthKey ? lines.width : lines.height) = side;
    return true;
}

// A 32-bit signed decimal: an optional sign, then digits only.
std::optional<Keycode> parse_keycode(std::string_view text) {
    std::string_view digits = text;
    if (digits.starts_with('+') || digits.starts_with('-'))
        digits.remove_prefix(1);
    if (digits.empty() || !std::ranges::all_of(digits, [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    // from_chars reads a minus sign but not a plus sign.
    const std::string_view number = text.starts_with('+') ? digits : text;
    Keycode value = 0;
    const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (error != std::errc{}) // out of range
        return std::nullopt;
    return value;
}

std::optional<Binding> binding_for_key(std::string_view key) {
    const auto& rows = binding_rows();
    for (std::size_t i = 0; i < rows.size(); ++i)
        if (rows[i].settings_key == key)
            return static_cast<Binding>(i);
    return std::nullopt;
}

// Logs a skipped line, with its content made safe for the log.
void report(DamageCount& damage, std::string_view what, std::string_view content) {
    if (damage.should_log())
        log_line(std::string(what) + loggable(content));
}

void decode_line(std::string_view key, std::string_view value, DecodedSettings& decoded,
                 WindowLines& window, DamageCount& damage) {
    if (decode_window_line(key, value, window))
        return;
    if (key == kSoundKey) {
        decoded.has_sound_line = true;
        decoded.settings.sound_muted = value == "true";
        if (value != "true" && value != "false")
            report(damage, "Bad value for ", key);
        return;
    }
    const auto slot = binding_for_key(key);
    if (!slot) {
        report(damage, "Unknown settings command: ", key);
        return;
    }
    const auto code = parse_keycode(value);
    if (code && is_reportable_keycode(*code)) {
        decoded.settings.keys[*slot] = *code;
    } else {
        // A bad value resets the slot even if an earlier line had set it.
        report(damage, "Bad value for ", key);
        decoded.settings.keys[*slot] = binding_row(*slot).default_key;
    }
}

} // namespace

std::optional<WindowPlacement>& window_placement() {
    static std::optional<WindowPlacement> placement;
    return placement;
}

std::string encode_settings(const Settings& settings) {
    std::string text;
    text += kSoundKey;
    text += settings.sound_muted ? ":true\n" : ":false\n";
    for (std::size_t i = 0; i < kBindingCount; ++i) {
        text += binding_rows()[i].settings_key;
        text += ':';
        text += std::to_string(settings.keys.keys[i]);
        text += '\n';
    }
    if (settings.window) {
        text += std::string(kWidthKey) + ':' + std::to_string(settings.window->width) + '\n';
        text += std::string(kHeightKey) + ':' + std::to_string(settings.window->height) + '\n';
        text +=
            std::string(kFullscreenKey) + (settings.window->fullscreen ? ":true\n" : ":false\n");
    }
    return text;
}

DecodedSettings decode_settings(std::string_view text) {
    DecodedSettings decoded;
    WindowLines window;
    DamageCount damage;
    for (const std::string_view line : split_lines(text)) {
        if (!is_valid_utf8(line)) {
            report(damage, "Settings line is not valid UTF-8: ", line);
            continue;
        }
        const auto pair = split_key_value(line);
        if (!pair) {
            report(damage, "Malformed save line: ", line);
            continue;
        }
        decode_line(pair->key, pair->value, decoded, window, damage);
    }
    if (const std::string skipped = damage.summary(); !skipped.empty())
        log_line(skipped);
    if (window.bad)
        log_line("Bad value for the window's size or fullscreen state");
    else if (window.width && window.height)
        decoded.settings.window =
            WindowPlacement{*window.width, *window.height, window.fullscreen.value_or(false)};
    return decoded;
}

LoadedSettings load_settings(StoredFile& file) {
    log_line("Loading settings: " + file.path());
    const FileRead read = file.read();
    if (!read.bytes) {
        log_line("Loading settings failed: " + read.error);
        return {};
    }
    const DecodedSettings decoded = decode_settings(*read.bytes);
    keymap() = decoded.settings.keys;
    window_placement() = decoded.settings.window;
    LoadedSettings loaded;
    loaded.window = decoded.settings.window;
    if (decoded.has_sound_line) {
        set_sound_muted(decoded.settings.sound_muted);
        loaded.sound_muted = decoded.settings.sound_muted;
    }
    return loaded;
}

void save_settings(StoredFile& file) {
    log_line("Saving settings: " + file.path());
    const std::string text = encode_settings({sound_muted(), keymap(), window_placement()});
    // The old file is still whole after a failed replace, and losing one
    // change of a setting is no reason to end the game: log it and play on.
    if (const auto error = file.replace(text))
        log_line("Saving settings failed: " + *error);
}

} // namespace coilwend
