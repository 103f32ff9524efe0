#pragma once
// The records file "records": for each finished level the fewest moves it
// took, one line "ID:MOVES". A file of its own, so the progress file keeps
// its format; written like it (temporary file, flush, rename).

#include "storage/stored_file.hpp"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace coilwend {

using Records = std::map<std::string, std::uint32_t, std::less<>>;

// A damaged file never stops the game: bad lines are logged (escaped and
// cut short) and skipped; a missing file is no records.
Records load_records(StoredFile& file);

// Keeps `moves` for the level when it beats its record or there is none;
// true when the records changed.
bool note_record(Records& records, std::string_view id, std::uint32_t moves);

// Rewrites the whole file; a failed write is logged and the old file stays.
void save_records(const Records& records, StoredFile& file);

} // namespace coilwend
