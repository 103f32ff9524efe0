#pragma once
// The settings file "settings": the sound switch and the fifteen key
// bindings, one "key:value" line each. Read once at start-up, rewritten whole
// whenever a setting changes.

#include "input/keymap.hpp"
#include "storage/stored_file.hpp"

#include <optional>
#include <string>
#include <string_view>

namespace coilwend {

struct Settings {
    bool sound_muted = false;
    Keymap keys = default_keymap();
};

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
};
// Reads the file and installs it whole into keymap() and the sound switch. A
// missing or unreadable file is logged and changes nothing.
LoadedSettings load_settings(StoredFile& file);

// Writes the current sound switch and bindings. The file is replaced in one
// step, so a crash mid-write keeps the old bindings; a failed write is logged
// and leaves the old file in place.
void save_settings(StoredFile& file);

} // namespace coilwend
