// The records file: round trip, and a damaged file read line by line.

#include "overworld/records_file.hpp"
#include "support/memory_stored_file.hpp"

#include <gtest/gtest.h>

using namespace coilwend;

TEST(RecordsFile, GivenDamagedLinesThenEachIsSkippedAndLoggedAndTheGoodOnesRoundTrip) {
    testing_support::MemoryStoredFile file("/prefs/records");
    file.bytes =
        std::string("38.rs:8\n3.rs:0\n57.rs:x\nno colon\n:4\n3.rs:\xff\n83.rs:12\n38.rs:9\n") +
        std::string(300, 'z') + ":1a\n";
    ::testing::internal::CaptureStdout();
    Records records = load_records(file);
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(records, (Records{{"38.rs", 8}, {"83.rs", 12}})) << "the lower of two counts stays";
    EXPECT_NE(log.find("Bad records line: 3.rs:\\xFF\n"), std::string::npos) << log;
    EXPECT_NE(log.find("Bad records line: " + std::string(197, 'z') + "...\n"), std::string::npos);

    EXPECT_FALSE(note_record(records, "38.rs", 9)) << "a worse count is no record";
    EXPECT_TRUE(note_record(records, "3.rs", 5));
    save_records(records, file);
    EXPECT_EQ(file.bytes, "3.rs:5\n38.rs:8\n83.rs:12\n");
    EXPECT_EQ(load_records(file), records);
}
