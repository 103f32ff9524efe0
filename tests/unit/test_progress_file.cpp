// The progress file read back into the overworld table: what survives a
// restart, what a damaged or hand-edited file does, and the atomic replace of
// the real file in the preferences folder.

#include "overworld/progress_file.hpp"
#include "overworld/reveal.hpp"
#include "storage/preferences_file.hpp"
#include "support/memory_stored_file.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <sys/stat.h>

using namespace coilwend;

namespace {

struct FakeFile : testing_support::MemoryStoredFile {
    FakeFile() : MemoryStoredFile("/prefs/save") {}
};

struct Loaded {
    std::vector<OverworldEntry> levels = build_overworld_table();
    std::size_t selected = 0;
    std::string log;
};

Loaded load(std::optional<std::string> bytes) {
    FakeFile file;
    file.bytes = std::move(bytes);
    Loaded out;
    ::testing::internal::CaptureStdout();
    load_progress(out.levels, out.selected, file);
    out.log = ::testing::internal::GetCapturedStdout();
    return out;
}

std::size_t index_of(const std::vector<OverworldEntry>& levels, std::string_view id) {
    for (std::size_t i = 0; i < levels.size(); ++i)
        if (levels[i].id == id)
            return i;
    ADD_FAILURE() << "no level " << id;
    return 0;
}

State state_of(const Loaded& loaded, std::string_view id) {
    return loaded.levels[index_of(loaded.levels, id)].state;
}

} // namespace

TEST(ProgressFile, GivenRandomProgressWhenSavedAndLoadedThenTablesAndSelectionMatch) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        auto levels = build_overworld_table();
        const int percent = static_cast<int>(random() % 101);
        for (std::size_t i = 0; i < levels.size(); ++i) {
            if (static_cast<int>(random() % 100) < percent) {
                levels[i].state = State::Completed;
                reveal_around(levels, i);
            }
        }
        std::vector<std::size_t> selectable;
        for (std::size_t i = 0; i < levels.size(); ++i)
            if (is_selectable(levels[i].state))
                selectable.push_back(i);
        const std::size_t selected = selectable[random() % selectable.size()];

        FakeFile file;
        ::testing::internal::CaptureStdout();
        save_progress(levels, selected, file);
        ::testing::internal::GetCapturedStdout();

        const Loaded loaded = load(file.bytes);
        ASSERT_EQ(loaded.log, "Loading: /prefs/save\n") << *file.bytes;
        ASSERT_EQ(loaded.levels, levels) << *file.bytes;
        ASSERT_EQ(loaded.selected, selected);
    }
}

TEST(ProgressFile, GivenTwoFinishedLevelsThenTheFileListsThemInCatalogueOrderThenTheSelection) {
    auto levels = build_overworld_table();
    levels[1].state = levels[0].state = State::Completed;
    FakeFile file;
    ::testing::internal::CaptureStdout();
    save_progress(levels, 1, file);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Saving: /prefs/save\n");
    EXPECT_EQ(file.bytes, "completed:38.rs\ncompleted:3.rs\nselected:3.rs\n");
}

TEST(ProgressFile, GivenLineEndingsAndExtraPiecesThenTheyReadLikePlainLines) {
    // CRLF, a third piece after the id, and a last line without a line feed.
    const Loaded loaded = load("completed:38.rs:extra\r\ncompleted:3.rs\r\nselected:3.rs");
    EXPECT_EQ(state_of(loaded, "38.rs"), State::Completed);
    EXPECT_EQ(state_of(loaded, "3.rs"), State::Completed);
    EXPECT_EQ(state_of(loaded, "57.rs"), State::Available);
    EXPECT_EQ(loaded.selected, 1u);
}

TEST(ProgressFile, GivenCompletionsThenNeighboursOpenAndTheFinalOnlyWhenAllElseIsDone) {
    const Loaded first = load("completed:38.rs\n");
    EXPECT_EQ(state_of(first, "3.rs"), State::Available);
    EXPECT_EQ(state_of(first, "89.rs"), State::Locked) << "the final level sits beside 38.rs";
    EXPECT_EQ(state_of(first, "57.rs"), State::Hidden);

    std::string all_but_final;
    const auto table = build_overworld_table();
    for (std::size_t i = 0; i + 1 < table.size(); ++i)
        all_but_final += "completed:" + std::string(table[i].id) + "\n";
    const Loaded nearly = load(all_but_final);
    EXPECT_EQ(nearly.levels.back().state, State::Available);
}

TEST(ProgressFile, GivenSelectionLinesThenTheLastWinsAndOnlyHiddenOrUnknownFallBack) {
    const Loaded final_level = load("selected:89.rs\n");
    EXPECT_EQ(final_level.selected, final_level.levels.size() - 1);
    EXPECT_EQ(final_level.levels.back().state, State::Locked);

    const Loaded hidden = load("selected:57.rs\n");
    EXPECT_EQ(hidden.selected, 0u);
    EXPECT_NE(hidden.log.find("57.rs"), std::string::npos);

    // Two valid selections, either way round: the later one counts.
    EXPECT_EQ(load("completed:38.rs\nselected:38.rs\nselected:3.rs\n").selected, 1u);
    EXPECT_EQ(load("completed:38.rs\nselected:3.rs\nselected:38.rs\n").selected, 0u);

    // 57.rs is revealed by a later line, so the selection stands.
    const Loaded revealed_later = load("selected:57.rs\ncompleted:38.rs\ncompleted:3.rs\n");
    EXPECT_EQ(revealed_later.selected, index_of(revealed_later.levels, "57.rs"));
}

TEST(ProgressFile, GivenIdsNotInTheCatalogueThenTheyAreLoggedAndChangeNothing) {
    // Ids match byte for byte: a trailing blank makes an id unknown.
    const Loaded loaded = load("selected:3.rs\ncompleted:38.rs \nselected:nowhere\n");
    EXPECT_EQ(loaded.levels, build_overworld_table());
    EXPECT_EQ(loaded.selected, 0u);
    EXPECT_NE(loaded.log.find("Unknown completed level: 38.rs \n"), std::string::npos);
    EXPECT_NE(loaded.log.find("Unknown selected level: nowhere\n"), std::string::npos);
}

TEST(ProgressFile, GivenDamagedLinesThenEachIsLoggedAndSkippedWhileTheRestCounts) {
    const Loaded loaded =
        load("garbage\n\nbogus:38.rs\ncompleted:\xff\x01\ncompleted:38.rs\nselected:3.rs\n");
    EXPECT_EQ(state_of(loaded, "38.rs"), State::Completed);
    EXPECT_EQ(loaded.selected, 1u);
    for (const char* expected :
         {"Malformed save line: garbage\n", "Malformed save line: \n",
          "Unknown save command: bogus\n", "Save line is not valid UTF-8: completed:\\xFF\\x01\n"})
        EXPECT_NE(loaded.log.find(expected), std::string::npos) << expected << loaded.log;
}

TEST(ProgressFile, GivenNoReadableFileThenTheFailureIsLoggedAndDefaultsStay) {
    const Loaded loaded = load(std::nullopt);
    EXPECT_EQ(loaded.log, "Loading: /prefs/save\nLoading failed: no such file\n");
    EXPECT_EQ(loaded.levels, build_overworld_table());
    EXPECT_EQ(loaded.selected, 0u);
}

TEST(ProgressFile, GivenAFailingWriteThenItIsLoggedTheOldFileStaysAndTheNextSaveWorks) {
    testing_support::MemoryStoredFile file("/prefs/save", "selected:38.rs\n");
    file.write_error = "Couldn't create /prefs/save.tmp: No space left on device";
    auto levels = build_overworld_table();
    levels[0].state = State::Completed;
    ::testing::internal::CaptureStdout();
    save_progress(levels, 1, file);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Saving: /prefs/save\n"
              "Saving failed: Couldn't create /prefs/save.tmp: No space left on device\n");
    EXPECT_EQ(file.bytes, "selected:38.rs\n");

    file.write_error.reset();
    ::testing::internal::CaptureStdout();
    save_progress(levels, 1, file);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(file.bytes, "completed:38.rs\nselected:3.rs\n");
}

namespace {

class PreferencesFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (std::filesystem::temp_directory_path() / "prefsXXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder = pattern + "/";
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    std::string folder;
};

} // namespace

TEST_F(PreferencesFolder, GivenReplacementsThenTheLatestIsReadAndAFailedOneKeepsTheOldFile) {
    PreferencesFile file(folder, "save");
    const FileRead missing = file.read();
    EXPECT_TRUE(missing.missing && !missing.bytes);
    EXPECT_NE(missing.error.find(folder + "save: No such file"), std::string::npos);

    const std::string big(20000, 'x'); // more than one read buffer
    EXPECT_EQ(file.replace(big), std::nullopt);
    EXPECT_EQ(file.read().bytes, big);
    EXPECT_EQ(file.replace("selected:38.rs\n"), std::nullopt);
    EXPECT_EQ(file.read().bytes, "selected:38.rs\n");
    EXPECT_FALSE(std::filesystem::exists(folder + "save.tmp"));

    std::filesystem::create_directory(folder + "save.tmp"); // root ignores permissions
    const auto error = file.replace("selected:3.rs\n");
    EXPECT_NE(error.value_or("").find("save.tmp: Is a directory"), std::string::npos);
    EXPECT_EQ(file.read().bytes, "selected:38.rs\n");
}

TEST_F(PreferencesFolder, GivenADirectoryInTheFilesPlaceThenReplaceFailsAndLeavesNoTemporaryFile) {
    PreferencesFile file(folder, "save");
    std::filesystem::create_directory(folder + "save");
    const auto error = file.replace("selected:3.rs\n");
    EXPECT_NE(error.value_or("").find("save: Is a directory"), std::string::npos) << *error;
    EXPECT_FALSE(std::filesystem::exists(folder + "save.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(folder + "save"));
}

TEST_F(PreferencesFolder, GivenAnythingButASmallRegularFileThenReadRefusesItWithoutWaiting) {
    const auto refused = [&](std::string_view name, std::string_view reason) {
        const FileRead read = PreferencesFile(folder, name).read();
        EXPECT_FALSE(read.bytes) << name;
        EXPECT_NE(read.error.find(reason), std::string::npos) << name << ": " << read.error;
    };
    // A pipe with no writer would block a plain open forever.
    ASSERT_EQ(mkfifo((folder + "pipe").c_str(), 0600), 0);
    refused("pipe", "pipe is not a regular file but a named pipe");
    std::filesystem::create_directory(folder + "dir");
    refused("dir", "dir is not a regular file but a directory");
    // An endless device behind a link is refused before any byte is read.
    std::filesystem::create_symlink("/dev/zero", folder + "endless");
    refused("endless", "endless is not a regular file but a device");

    PreferencesFile file(folder, "save");
    const std::string limit(kMaxStoredFileBytes, 'x');
    ASSERT_EQ(file.replace(limit), std::nullopt);
    EXPECT_EQ(file.read().bytes, limit);
    ASSERT_EQ(file.replace(limit + "x"), std::nullopt);
    refused("save", "save is larger than 1048576 bytes");
}
