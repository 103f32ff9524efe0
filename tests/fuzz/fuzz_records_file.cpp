// Any bytes in place of the records file: every record kept names a level and
// holds a plausible move count, and saving then loading gives the same
// records and, written again, the same bytes.

#include "fuzz/fuzz_check.hpp"
#include "overworld/records_file.hpp"
#include "storage/utf8.hpp"
#include "support/memory_stored_file.hpp"

using namespace coilwend;
using coilwend::fuzzing::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    testing_support::MemoryStoredFile file("/prefs/records", fuzzing::as_text(data, size));
    const Records records = load_records(file);
    for (const auto& [id, moves] : records) {
        require(!id.empty() && is_valid_utf8(id), "a record names a level");
        require(id.find_first_of(":\n") == std::string::npos, "a level name fits on its line");
        require(moves >= 1 && moves <= 1'000'000, "a record's moves are plausible");
    }

    testing_support::MemoryStoredFile saved("/prefs/records");
    save_records(records, saved);
    require(saved.bytes.has_value(), "the records are written");
    const Records reloaded = load_records(saved);
    require(reloaded == records, "saved records load back as they were");
    testing_support::MemoryStoredFile saved_again("/prefs/records");
    save_records(reloaded, saved_again);
    require(saved_again.bytes == saved.bytes, "records are written the same way every time");
    return 0;
}
