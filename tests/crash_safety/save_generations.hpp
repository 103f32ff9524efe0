#pragma once
// The numbered states the crash-safety writer cycles through: generation k
// finishes the first k % 40 levels and stores a window k + 1 wide (plus other
// settings that change with k), so each file's exact bytes tell which
// generation wrote it, and a partly written file matches none.

#include "storage/stored_file.hpp"

#include <cstdint>
#include <optional>
#include <string>

namespace coilwend::crash_safety {

// Generations wrap here, below the widest window the settings file keeps.
inline constexpr std::uint32_t kGenerations = 16000;

// Writes generation k through the game's own writers: the progress file
// first, then the settings file.
void write_generation(std::uint32_t k, StoredFile& save, StoredFile& settings);

// What those writers put in each file for generation k.
std::string save_text(std::uint32_t k);
std::string settings_text(std::uint32_t k);

// The generation a settings file was written for, when it is one of them.
std::optional<std::uint32_t> settings_generation(const std::string& text);

// The generation the game's readers find in the folder's files, as the next
// start would load them (nothing when the settings lost their window), and
// how many levels the progress file finished.
struct LoadedGeneration {
    std::optional<std::uint32_t> settings;
    std::size_t finished_levels = 0;
};
LoadedGeneration load_generation(StoredFile& save, StoredFile& settings);

} // namespace coilwend::crash_safety
