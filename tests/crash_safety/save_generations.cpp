#include "crash_safety/save_generations.hpp"

#include "audio/sound_switch.hpp"
#include "overworld/progress_file.hpp"
#include "settings/settings_file.hpp"
#include "support/memory_stored_file.hpp"

#include <algorithm>

namespace coilwend::crash_safety {
namespace {

constexpr std::size_t kFinishedCycle = 40;

std::vector<OverworldEntry> levels_of(std::uint32_t k) {
    std::vector<OverworldEntry> levels = build_overworld_table();
    for (std::size_t i = 0; i < k % kFinishedCycle; ++i)
        levels[i].state = State::Completed;
    return levels;
}

Settings settings_of(std::uint32_t k) {
    Settings settings;
    settings.sound_muted = k % 2 == 1;
    settings.keys[Binding::Hint] = k % 2 == 1 ? 'k' : keycode::kH;
    settings.window = WindowPlacement{static_cast<std::int32_t>(k + 1),
                                      static_cast<std::int32_t>(100 + k % 500), k % 3 == 0};
    return settings;
}

} // namespace

void write_generation(std::uint32_t k, StoredFile& save, StoredFile& settings) {
    save_progress(levels_of(k), 0, save);
    const Settings wanted = settings_of(k);
    set_sound_muted(wanted.sound_muted);
    keymap() = wanted.keys;
    window_placement() = wanted.window;
    save_settings(settings);
}

std::string save_text(std::uint32_t k) {
    testing_support::MemoryStoredFile file;
    save_progress(levels_of(k), 0, file);
    return file.bytes.value_or("");
}

std::string settings_text(std::uint32_t k) {
    return encode_settings(settings_of(k));
}

std::optional<std::uint32_t> settings_generation(const std::string& text) {
    const auto window = decode_settings(text).settings.window;
    if (!window || window->width < 1 || static_cast<std::uint32_t>(window->width) > kGenerations)
        return std::nullopt;
    const auto k = static_cast<std::uint32_t>(window->width - 1);
    return text == settings_text(k) ? std::optional<std::uint32_t>(k) : std::nullopt;
}

LoadedGeneration load_generation(StoredFile& save, StoredFile& settings) {
    LoadedGeneration loaded;
    std::vector<OverworldEntry> levels = build_overworld_table();
    std::size_t selected = 0;
    load_progress(levels, selected, save);
    loaded.finished_levels = static_cast<std::size_t>(std::count_if(
        levels.begin(), levels.end(), [](const auto& e) { return e.state == State::Completed; }));
    if (const auto window = load_settings(settings).window)
        loaded.settings = static_cast<std::uint32_t>(window->width - 1);
    return loaded;
}

} // namespace coilwend::crash_safety
