#pragma once
// The settings file "settings": the sound switch, the key bindings and the
// window's size and fullscreen state, one "key:value" line each. Read once at
// start-up, rewritten whole whenever a setting changes.

#include "input/keymap.hpp"
#include "storage/stored_file.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace coilwend {

// The window as the player left it: its size when not fullscreen, and
// whether it was fullscreen.
struct WindowPlacement {
    std::int32_t width = 0;
    std::int32_t height = 0;
    bool fullscreen = false;
    friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

struct Settings {
    bool sound_muted = false;
    Keymap keys = default_keymap();
    std::optional<WindowPlacement> window; // none until the game has run once
};

// The window placement the file gave or the game last set; process-wide
// like keymap(), so every writer of the file keeps it.
std::optional<WindowPlacement>& window_placement();

// What a file said, checked line by line against the defaults.
struct DecodedSettings {
    Settings settings;
    bool has_sound_line = false; // the mixer follows the sound switch only when the file set it
};

// Every line the file may hold, in the order the writer emits them.
std::string encode_settings(const Settings& settings);
// Never fails: damaged lines, bad values and unknown keys are logged and
// leave the default in place, so a broken file cannot keep the game from starting.
DecodedSettings decode_settings(std::string_view text);

struct LoadedSettings {
    // Set when the file had a "sound" line; the caller applies it to the mixer.
    std::optional<bool> sound_muted;
    // Set when the file had the window lines; the caller restores the window.
    std::optional<WindowPlacement> window;
};
// Reads the file and installs it whole into keymap() and the sound switch. A
// missing or unreadable file is logged and changes nothing.
LoadedSettings load_settings(StoredFile& file);

// Writes the current sound switch and bindings. The file is replaced in one
// step, so a crash mid-write keeps the old bindings; a failed write is logged
// and leaves the old file in place.
void save_settings(StoredFile& file);

} // namespace coilwend
