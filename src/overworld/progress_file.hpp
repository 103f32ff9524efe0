#pragma once
// The progress file "save": which levels are finished and which is selected.
// Read once at start-up into the default overworld table, rewritten whole at
// each saving moment of the scene flow.

#include "overworld/catalogue.hpp"
#include "storage/stored_file.hpp"

#include <cstddef>
#include <vector>

namespace coilwend {

// Applies the file to levels (the catalogue defaults) and selected (0). A
// damaged file never stops the game: bad lines are logged and skipped.
void load_progress(std::vector<OverworldEntry>& levels, std::size_t& selected, StoredFile& file);

// Writes every completed entry and the selection; a failed write is logged and
// leaves the previous file in place.
void save_progress(const std::vector<OverworldEntry>& levels, std::size_t selected,
                   StoredFile& file);

} // namespace coilwend
