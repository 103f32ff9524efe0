// Any bytes in place of the progress file: loading never stops the game,
// never selects a hidden level, changes only the levels' states, and what it
// keeps is saved and loaded back unchanged (a restart changes nothing).

#include "fuzz/fuzz_check.hpp"
#include "overworld/progress_file.hpp"
#include "support/memory_stored_file.hpp"

using namespace coilwend;
using coilwend::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing_support::MemoryStoredFile file("/prefs/save", fuzzing::as_text(data, size));
    const std::vector<OverworldEntry> defaults = build_overworld_table();
    std::vector<OverworldEntry> levels = defaults;
    std::size_t selected = 0;
    load_progress(levels, selected, file);

    require(levels.size() == defaults.size(), "loading keeps every entry");
    for (std::size_t i = 0; i < levels.size(); ++i)
        require(levels[i].id == defaults[i].id && levels[i].x == defaults[i].x &&
                    levels[i].y == defaults[i].y,
                "loading changes only the entries' states");
    require(selected < levels.size(), "the selection names an entry");
    require(levels[selected].state != State::Hidden, "the selection is never hidden");

    testing_support::MemoryStoredFile saved("/prefs/save");
    save_progress(levels, selected, saved);
    std::vector<OverworldEntry> reloaded = defaults;
    std::size_t reselected = 0;
    load_progress(reloaded, reselected, saved);
    require(reloaded == levels && reselected == selected, "saved progress loads back as it was");
    return 0;
}
