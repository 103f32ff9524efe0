#include "audio/sound_switch.hpp"
#include "input/keymap.hpp"
#include "settings/reportable_keycodes.hpp"
#include "settings/settings_file.hpp"
#include "support/memory_stored_file.hpp"

#include <SDL_keyboard.h>
#include <SDL_keycode.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

using namespace coilwend;
using coilwend::testing_support::MemoryStoredFile;

namespace {

// Every test starts and ends with the process-wide values at their defaults.
class SettingsFile : public ::testing::Test {
  protected:
    void SetUp() override { reset(); }
    void TearDown() override { reset(); }
    static void reset() {
        keymap() = default_keymap();
        set_sound_muted(false);
        window_placement().reset();
    }

    // Loads `text` and returns what was logged.
    std::string load(const std::string& text) {
        file.bytes = text;
        ::testing::internal::CaptureStdout();
        loaded = load_settings(file);
        return ::testing::internal::GetCapturedStdout();
    }

    MemoryStoredFile file;
    LoadedSettings loaded;
};

Keymap with(Binding slot, Keycode code) {
    Keymap keys = default_keymap();
    keys[slot] = code;
    return keys;
}

} // namespace

TEST_F(SettingsFile, GivenChangedValues_WhenSavedAndLoaded_ThenAllSeventeenLinesComeBack) {
    file.bytes = "stale";
    ::testing::internal::CaptureStdout();
    save_settings(file);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(), "Saving settings: /prefs/file\n");
    EXPECT_TRUE(file.bytes->starts_with("sound:false\nkeymap.up:1073741906\nkeymap.up2:119\n"));

    set_sound_muted(true);
    keymap()[Binding::Exit] = 'x';
    keymap()[Binding::Down2] = keycode::kUp;
    save_settings(file);
    const std::string written = *file.bytes;
    EXPECT_EQ(std::count(written.begin(), written.end(), '\n'), 17);
    EXPECT_TRUE(written.ends_with("keymap.enter:13\nkeymap.exit:120\nkeymap.hint:104\n"));

    reset();
    EXPECT_EQ(load(written), "Loading settings: /prefs/file\n");
    EXPECT_TRUE(sound_muted());
    EXPECT_EQ(loaded.sound_muted, true);
    Keymap expected = with(Binding::Exit, 'x');
    expected[Binding::Down2] = keycode::kUp;
    EXPECT_EQ(keymap(), expected);
}

TEST_F(SettingsFile, GivenOnlyASoundLine_ThenTheMixerIsToldAndEveryKeyKeepsItsDefault) {
    keymap()[Binding::Undo] = 'u'; // a load installs the whole file, defaults included
    load("sound:true\n");
    EXPECT_EQ(loaded.sound_muted, true);
    EXPECT_TRUE(sound_muted());
    EXPECT_EQ(keymap(), default_keymap());

    // Without a sound line the mixer is left alone.
    set_sound_muted(true);
    load("keymap.undo:117");
    EXPECT_EQ(loaded.sound_muted, std::nullopt);
    EXPECT_TRUE(sound_muted());
    EXPECT_EQ(keymap(), with(Binding::Undo, 'u'));
}

TEST_F(SettingsFile, GivenBadValues_ThenEachIsLoggedAndItsSlotGetsTheDefault) {
    const std::string log = load("keymap.undo:117\n"
                                 "keymap.undo:z\n"
                                 "keymap.reset:55296\n"
                                 "keymap.exit:0\n"
                                 "keymap.up: 1073741906\n"
                                 "keymap.down:2147483648\n"
                                 "keymap.left:-1073741904\n"
                                 "keymap.left2:1114112\n"
                                 "keymap.right2:1073742336\n"
                                 "keymap.right:\n"
                                 "sound:yes\n");
    EXPECT_EQ(log, "Loading settings: /prefs/file\n"
                   "Bad value for keymap.undo\n"
                   "Bad value for keymap.reset\n"
                   "Bad value for keymap.exit\n"
                   "Bad value for keymap.up\n"
                   "Bad value for keymap.down\n"
                   "Bad value for keymap.left\n"
                   "Bad value for keymap.left2\n"
                   "Bad value for keymap.right2\n"
                   "Bad value for keymap.right\n"
                   "Bad value for sound\n");
    // Undo is Z again, not the earlier U; a surrogate, a code point past
    // U+10FFFF and a scancode past the last are no key SDL reports.
    EXPECT_EQ(keymap(), default_keymap());
    EXPECT_EQ(loaded.sound_muted, false);
}

TEST_F(SettingsFile, GivenUnusualButValidLines_ThenTheyAreAcceptedOrSkippedQuietly) {
    const std::string log = load("keymap.undo:+117\n"
                                 "keymap.reset:1073741906:ignored\n"
                                 "volume:3\n"
                                 "Keymap.enter:9\n");
    EXPECT_EQ(log, "Loading settings: /prefs/file\n"
                   "Unknown settings command: volume\n"
                   "Unknown settings command: Keymap.enter\n");
    Keymap expected = with(Binding::Undo, 'u');
    expected[Binding::Reset] = keycode::kUp;
    EXPECT_EQ(keymap(), expected);
}

TEST_F(SettingsFile, GivenDamagedLines_ThenTheyAreLoggedAndSkippedAndTheRestStillCounts) {
    const std::string log = load("sound:true\r\n"
                                 "garbage\n"
                                 "\n"
                                 "keymap.undo:\xff\xfe\n"
                                 "keymap.exit:113\r\n"
                                 "keymap.reset:116");
    EXPECT_EQ(log, "Loading settings: /prefs/file\n"
                   "Malformed save line: garbage\n"
                   "Malformed save line: \n"
                   "Settings line is not valid UTF-8: keymap.undo:\\xFF\\xFE\n");
    EXPECT_TRUE(sound_muted());
    Keymap expected = with(Binding::Exit, 'q');
    expected[Binding::Reset] = 't';
    EXPECT_EQ(keymap(), expected);

    // An unreadable file leaves everything as it was.
    keymap()[Binding::Undo] = 'u';
    file.read_error = "Input/output error";
    ::testing::internal::CaptureStdout();
    loaded = load_settings(file);
    EXPECT_EQ(::testing::internal::GetCapturedStdout(),
              "Loading settings: /prefs/file\nLoading settings failed: Input/output error\n");
    EXPECT_EQ(loaded.sound_muted, std::nullopt);
    EXPECT_EQ(keymap()[Binding::Undo], 'u');
}

TEST_F(SettingsFile, GivenAFailingWrite_ThenItIsLoggedTheOldFileStaysAndTheNextSaveWorks) {
    file.bytes = "sound:true\n";
    file.write_error = "No space left on device";
    set_sound_muted(true);
    ::testing::internal::CaptureStdout();
    save_settings(file);
    const std::string log = ::testing::internal::GetCapturedStdout();
    EXPECT_NE(log.find("Saving settings failed: No space left on device\n"), std::string::npos)
        << log;
    EXPECT_EQ(file.bytes, "sound:true\n");
    EXPECT_TRUE(file.writes.empty());

    file.write_error.reset();
    ::testing::internal::CaptureStdout();
    save_settings(file);
    ::testing::internal::GetCapturedStdout();
    EXPECT_EQ(file.bytes, encode_settings({true, default_keymap(), std::nullopt}));
}

namespace {

// Any key the controls screen can bind: a character of any layout or a
// scancode key, with the edges of both ranges drawn more often.
Keycode random_reportable(std::mt19937& random) {
    const auto edge = [&](Keycode low, Keycode high) {
        switch (random() % 4) {
        case 0:
            return low;
        case 1:
            return high;
        default:
            return std::uniform_int_distribution<Keycode>(low, high)(random);
        }
    };
    switch (random() % 3) {
    case 0:
        return edge(1, 0xD7FF);
    case 1:
        return edge(0xE000, 0x10FFFF);
    default:
        return SDL_SCANCODE_TO_KEYCODE(edge(1, SDL_NUM_SCANCODES - 1));
    }
}

} // namespace

TEST_F(SettingsFile, GivenRandomReportableKeysAndWindows_ThenEncodingAndDecodingGiveThemBack) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 400; ++round) {
        Settings settings{round % 2 == 0, {}, std::nullopt};
        for (Keycode& code : settings.keys.keys)
            code = random_reportable(random);
        if (round % 3 != 0)
            settings.window =
                WindowPlacement{static_cast<std::int32_t>(1 + random() % 16384),
                                static_cast<std::int32_t>(1 + random() % 16384), round % 5 == 0};
        ::testing::internal::CaptureStdout();
        const DecodedSettings decoded = decode_settings(encode_settings(settings));
        EXPECT_EQ(::testing::internal::GetCapturedStdout(), "");
        EXPECT_TRUE(decoded.has_sound_line);
        EXPECT_EQ(decoded.settings.sound_muted, settings.sound_muted);
        ASSERT_EQ(decoded.settings.keys, settings.keys) << "round " << round;
        ASSERT_EQ(decoded.settings.window, settings.window) << "round " << round;
    }
}

TEST_F(SettingsFile, GivenADamagedWindowLine_ThenTheWholePlacementIsDroppedAndTheKeysStay) {
    const std::string keys = encode_settings({false, default_keymap(), std::nullopt});
    for (const char* damaged : {"window.width:0\n", "window.height:99999\n", "window.width:12a\n",
                                "window.fullscreen:yes\n"}) {
        ::testing::internal::CaptureStdout();
        const DecodedSettings decoded = decode_settings(
            keys + "window.width:800\nwindow.height:600\nwindow.fullscreen:true\n" + damaged);
        EXPECT_EQ(::testing::internal::GetCapturedStdout(),
                  "Bad value for the window's size or fullscreen state\n");
        EXPECT_FALSE(decoded.settings.window) << damaged;
        EXPECT_EQ(decoded.settings.keys, default_keymap());
    }
    EXPECT_EQ(load(keys + "window.width:800\nwindow.height:600\n"),
              "Loading settings: /prefs/file\n");
    EXPECT_EQ(window_placement(), (WindowPlacement{800, 600, false}));
}

TEST(ReportableKeycodes, GivenSdlsKeysAndTheEdgesOfBothRanges_ThenOnlyReportableCodesPass) {
    ASSERT_EQ(kScancodeCount, SDL_NUM_SCANCODES);
    for (SDL_Keycode code = SDLK_CAPSLOCK; code <= SDLK_SLEEP; ++code) {
        if (SDL_GetKeyName(code)[0] != '\0') {
            EXPECT_TRUE(is_reportable_keycode(code)) << code << " " << SDL_GetKeyName(code);
        }
    }
    for (const SDL_Keycode code : std::initializer_list<SDL_Keycode>{
             SDLK_BACKSPACE, SDLK_ESCAPE, SDLK_z, SDLK_DELETE, SDLK_AC_BACK, 'A', '~', 246, 233, 1,
             0xD7FF, 0xE000, 0x10FFFF, SDLK_SCANCODE_MASK | 1,
             SDLK_SCANCODE_MASK | (SDL_NUM_SCANCODES - 1)})
        EXPECT_TRUE(is_reportable_keycode(code)) << code;
    for (const SDL_Keycode code : std::initializer_list<SDL_Keycode>{
             SDLK_UNKNOWN, -1, -SDLK_UP, INT32_MIN, 0xD800, 0xDFFF, 0x110000, 1 << 29,
             SDLK_SCANCODE_MASK, SDLK_SCANCODE_MASK | SDL_NUM_SCANCODES, INT32_MAX})
        EXPECT_FALSE(is_reportable_keycode(code)) << code;
}
