// The shared pieces of the two file readers: the UTF-8 check at the edges of
// each form, and what a damaged file can put into the log.

#include "settings/settings_file.hpp"
#include "storage/text_lines.hpp"
#include "storage/utf8.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

using namespace coilwend;

TEST(Utf8, GivenTheEdgesOfEachForm_ThenOnlyShortestFormsUpToU10FFFFWithoutSurrogatesPass) {
    for (const char* valid :
         {"\x7F", "\xC2\x80", "\xDF\xBF", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEE\x80\x80",
          "\xEF\xBF\xBF", "\xF0\x90\x80\x80", "\xF4\x8F\xBF\xBF", "caf\xC3\xA9"})
        EXPECT_TRUE(is_valid_utf8(valid)) << escape_unprintable(valid);
    for (const char* invalid : {"\x80",             // a continuation byte alone
                                "\xC0\xAF",         // overlong two bytes
                                "\xC1\xBF",         // overlong two bytes
                                "\xE0\x80\x80",     // overlong three bytes
                                "\xE0\x9F\xBF",     // overlong three bytes, the last one
                                "\xED\xA0\x80",     // a surrogate
                                "\xF0\x80\x80\x80", // overlong four bytes
                                "\xF0\x8F\xBF\xBF", // overlong four bytes, the last one
                                "\xF4\x90\x80\x80", // above U+10FFFF
                                "\xF5\x80\x80\x80", // no such lead byte
                                "\xE2\x82",         // cut short
                                "\xE2\x28\xA1",     // a second byte that is no continuation
                                "\xF0\x90\x80\x28", // a last byte that is no continuation
                                "ok\xFF"})
        EXPECT_FALSE(is_valid_utf8(invalid)) << escape_unprintable(invalid);
}

TEST(TextLines, GivenLineEndings_ThenLinesSplitAsTheFilesExpect) {
    using Lines = std::vector<std::string_view>;
    EXPECT_EQ(split_lines("a\r\nb\n\nc"), (Lines{"a", "b", "", "c"}));
    EXPECT_EQ(split_lines("a\r\r\n\rb\r"), (Lines{"a\r", "\rb\r"}));
    EXPECT_EQ(split_lines(""), Lines{});
}

TEST(TextLines, GivenAnyBytes_ThenTheLoggedTextIsPrintableShortAndAPrefixOfTheEscapedWhole) {
    std::mt19937 random(16);
    for (int round = 0; round < 2000; ++round) {
        std::string bytes(random() % 400, '\0');
        for (char& c : bytes)
            c = static_cast<char>(random() % 3 == 0 ? random() % 256 : 'a' + random() % 26);
        const std::string whole = escape_unprintable(bytes);
        const std::string logged = loggable(bytes);
        ASSERT_LE(logged.size(), kLoggedTextLimit);
        for (const char c : logged)
            ASSERT_TRUE(c >= 0x20 && c < 0x7F) << logged;
        if (whole.size() <= kLoggedTextLimit) {
            ASSERT_EQ(logged, whole);
            continue;
        }
        // Cut after a whole escape, so the dots never follow half of one.
        ASSERT_TRUE(logged.ends_with("...")) << logged;
        const std::string kept = logged.substr(0, logged.size() - 3);
        ASSERT_GE(kept.size(), kLoggedTextLimit - 6);
        std::string prefix;
        for (std::size_t n = 0; prefix.size() < kept.size(); ++n)
            prefix += escape_unprintable(bytes.substr(n, 1));
        ASSERT_EQ(prefix, kept);
    }
}

TEST(TextLines, GivenAFileOfManyDamagedLines_ThenTwentyAreLoggedAndOneLineCountsTheRest) {
    std::string text;
    for (int i = 0; i < 100000; ++i)
        text += std::string(i % 2 == 0 ? 300 : 1, '\0') + "\n";
    text += "sound:true\n";
    ::testing::internal::CaptureStdout();
    const DecodedSettings decoded = decode_settings(text);
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_TRUE(decoded.settings.sound_muted);
    EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 21);
    std::string first = "Malformed save line: ";
    for (int i = 0; i < 49; ++i)
        first += "\\x00";
    EXPECT_TRUE(log.starts_with(first + "...\nMalformed save line: \\x00\n")) << log.substr(0, 300);
    EXPECT_TRUE(log.ends_with("Skipped 99980 more damaged lines\n"))
        << log.substr(log.size() - 200);
    EXPECT_LT(log.size(), 21u * 250u);
}
