// Any bytes in place of the settings file: every binding kept is a key the
// system can report, a restored window has a usable size, and loading then
// saving writes exactly what the decoded settings encode to, which decodes
// back to the same settings.

#include "audio/sound_switch.hpp"
#include "fuzz/fuzz_check.hpp"
#include "settings/reportable_keycodes.hpp"
#include "settings/settings_file.hpp"
#include "support/memory_stored_file.hpp"

using namespace coilwend;
using coilwend::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = fuzzing::as_text(data, size);
    const DecodedSettings decoded = decode_settings(text);
    for (const Keycode key : decoded.settings.keys.keys)
        require(is_reportable_keycode(key), "every binding is a reportable key");
    if (const auto& window = decoded.settings.window)
        require(window->width >= 1 && window->height >= 1 && window->width <= 16384 &&
                    window->height <= 16384,
                "a restored window has a usable size");

    const std::string encoded = encode_settings(decoded.settings);
    const DecodedSettings again = decode_settings(encoded);
    require(again.has_sound_line, "written settings hold the sound switch");
    require(encode_settings(again.settings) == encoded, "written settings decode as they were");

    // The same through the process-wide state the game reads and writes.
    set_sound_muted(false);
    testing_support::MemoryStoredFile file("/prefs/settings", text);
    load_settings(file);
    testing_support::MemoryStoredFile saved("/prefs/settings");
    save_settings(saved);
    require(saved.bytes == encoded, "loading then saving writes the decoded settings");
    return 0;
}
