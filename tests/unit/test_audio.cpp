#include "audio/music_player.hpp"
#include "audio/null_audio_backend.hpp"
#include "audio/sound_bank.hpp"
#include "audio/sound_switch.hpp"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

using namespace coilwend;

namespace {

bool same_file(AudioBytes a, AudioBytes b) {
    return a.data() == b.data() && a.size() == b.size();
}

TEST(SoundBank, DecodesOnTheFirstCueAndLaterCuesPlayTheLastSound) {
    NullAudioBackend backend;
    SoundBank bank(backend);
    EXPECT_TRUE(backend.loaded_chunks.empty());

    const auto sounds = embedded_sounds();
    for (int cue = 0; cue <= 255; ++cue)
        bank.play_sound(static_cast<std::uint8_t>(cue));

    ASSERT_EQ(backend.loaded_chunks.size(), sounds.size());
    for (std::size_t i = 0; i < sounds.size(); ++i)
        EXPECT_TRUE(same_file(backend.loaded_chunks[i], sounds[i])) << "chunk " << i;
    ASSERT_EQ(backend.played.size(), 256u);
    for (std::size_t cue = 0; cue < backend.played.size(); ++cue)
        EXPECT_TRUE(same_file(backend.played[cue], sounds[std::min<std::size_t>(cue, 14)]))
            << "cue " << cue;
}

TEST(SoundBank, FreesEveryDecodedSoundWhenItGoes) {
    NullAudioBackend backend;
    { SoundBank unused(backend); }
    EXPECT_EQ(backend.live_chunks, 0);
    {
        SoundBank bank(backend);
        bank.play_sound(0);
        bank.play_sound(3);
        EXPECT_EQ(backend.live_chunks, static_cast<int>(embedded_sounds().size()));
    }
    EXPECT_EQ(backend.live_chunks, 0);
}

TEST(MusicPlayer, EverySettingPlaysItsTrackAndTheRestShareTheLast) {
    NullAudioBackend backend;
    MusicPlayer player(backend);
    const auto tracks = embedded_music();
    for (int setting = 0; setting <= 255; ++setting) {
        player.play_music(static_cast<std::uint8_t>(setting));
        const std::size_t track = setting < 4 ? static_cast<std::size_t>(setting) : 4;
        EXPECT_TRUE(same_file(backend.music_starts.back(), tracks[track])) << setting;
    }
    // One track held at any time: each change released the one before.
    EXPECT_EQ(backend.open_streams, 1);
}

TEST(MusicPlayer, ATrackChangeFreesTheOldMusicBeforeClosingItsStream) {
    NullAudioBackend backend;
    MusicPlayer player(backend);
    player.play_music(0);
    player.play_music(2);
    const std::vector<std::string> expected = {"open 1", "load 1",  "open 2",
                                               "free 1", "close 1", "load 2"};
    EXPECT_EQ(backend.music_calls, expected);
}

class SoundSwitch : public ::testing::Test {
  protected:
    void TearDown() override { set_sound_muted(false); }

    void toggle() {
        toggle_sound(backend, [this] { saved_muted.push_back(sound_muted()); });
    }

    NullAudioBackend backend;
    MusicPlayer player{backend};
    std::vector<bool> saved_muted; // the switch as each settings write saw it
};

TEST_F(SoundSwitch, OffSilencesEverythingUntilItIsOnAgain) {
    player.play_music(0);
    toggle();
    EXPECT_EQ(saved_muted, std::vector<bool>{true});
    EXPECT_EQ(backend.music_volume, 0);
    EXPECT_EQ(backend.channel_volume, 0);
    EXPECT_TRUE(backend.music_paused);

    // Entering a level, restoring the window and a new track all keep it silent.
    player.set_volume(kLevelMusicVolume);
    resume_music_unless_muted(backend);
    player.play_music(3);
    EXPECT_EQ(backend.music_volume, 0);
    EXPECT_TRUE(backend.music_paused);

    // Switched on inside the level: full volume, not the level's.
    toggle();
    EXPECT_EQ(saved_muted, (std::vector<bool>{true, false}));
    EXPECT_EQ(backend.music_volume, kFullVolume);
    EXPECT_EQ(backend.channel_volume, kFullVolume);
    EXPECT_FALSE(backend.music_paused);
    player.set_volume(kFullVolume); // leaving the level
    player.set_volume(kLevelMusicVolume);
    EXPECT_EQ(backend.music_volume, kLevelMusicVolume);
}

TEST_F(SoundSwitch, LoadedSettingsApplyTheSameWay) {
    set_sound_muted(true);
    apply_sound_state(backend);
    EXPECT_EQ(backend.music_volume, 0);
    EXPECT_EQ(backend.channel_volume, 0);
    EXPECT_TRUE(backend.music_paused);
    // The start-up track while the sound is off stays paused.
    player.play_music(0);
    EXPECT_TRUE(backend.music_paused);
}

// Embedded asset formats, read from the bytes the game carries.

std::uint32_t le(AudioBytes bytes, std::size_t at, int width) {
    std::uint32_t value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | bytes[at + static_cast<std::size_t>(i)];
    return value;
}

struct WavFormat {
    std::uint32_t format_tag = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
};

WavFormat read_wav(AudioBytes wav) {
    WavFormat out;
    EXPECT_EQ(std::memcmp(wav.data(), "RIFF", 4), 0);
    EXPECT_EQ(std::memcmp(wav.data() + 8, "WAVE", 4), 0);
    std::uint32_t data_size = 0;
    for (std::size_t at = 12; at + 8 <= wav.size();) {
        const std::uint32_t size = le(wav, at + 4, 4);
        if (std::memcmp(wav.data() + at, "fmt ", 4) == 0) {
            out.format_tag = le(wav, at + 8, 2);
            out.channels = le(wav, at + 10, 2);
            out.rate = le(wav, at + 12, 4);
            out.bits = le(wav, at + 22, 2);
        } else if (std::memcmp(wav.data() + at, "data", 4) == 0) {
            data_size = size;
        }
        at += 8 + size + (size & 1);
    }
    if (out.rate != 0 && out.channels != 0 && out.bits != 0)
        out.seconds = data_size / double(out.channels * (out.bits / 8)) / out.rate;
    return out;
}

TEST(EmbeddedAudio, SoundsArePlainPcmInTheirFormatsAndLengths) {
    struct Expected {
        std::uint32_t channels, rate, bits;
        double seconds;
    };
    const Expected table[] = {
        {1, 44100, 16, 0.201}, {1, 44100, 16, 0.230}, {1, 44100, 16, 0.186}, {1, 44100, 16, 0.222},
        {1, 44100, 16, 0.198}, {1, 11025, 8, 0.155},  {2, 44100, 16, 0.607}, {2, 44100, 16, 1.406},
        {1, 44100, 16, 0.232}, {2, 44100, 16, 0.171}, {2, 44100, 16, 1.128}, {2, 48000, 16, 0.105},
        {2, 48000, 16, 0.069}, {1, 44100, 16, 0.178}, {1, 44100, 16, 0.178},
    };
    const auto sounds = embedded_sounds();
    ASSERT_EQ(sounds.size(), std::size(table));
    for (std::size_t cue = 0; cue < sounds.size(); ++cue) {
        SCOPED_TRACE("cue " + std::to_string(cue));
        const WavFormat wav = read_wav(sounds[cue]);
        EXPECT_EQ(wav.format_tag, 1u);
        EXPECT_EQ(wav.channels, table[cue].channels);
        EXPECT_EQ(wav.rate, table[cue].rate);
        EXPECT_EQ(wav.bits, table[cue].bits);
        EXPECT_NEAR(wav.seconds, table[cue].seconds, 0.0005); // the table rounds to 1 ms
    }
}

TEST(EmbeddedAudio, MusicIsStereoVorbisAt22050HzOfTheRightLength) {
    const double seconds[] = {13.82, 13.84, 13.83, 13.83, 6.90};
    const auto tracks = embedded_music();
    ASSERT_EQ(tracks.size(), std::size(seconds));
    for (std::size_t track = 0; track < tracks.size(); ++track) {
        SCOPED_TRACE("track " + std::to_string(track));
        const AudioBytes ogg = tracks[track];
        ASSERT_EQ(std::memcmp(ogg.data(), "OggS", 4), 0);
        // The first packet, after the page header and its segment table, is
        // the identification header.
        const AudioBytes id = ogg.subspan(27 + ogg[26]);
        ASSERT_EQ(id[0], 1);
        ASSERT_EQ(std::memcmp(id.data() + 1, "vorbis", 6), 0);
        EXPECT_EQ(id[11], 2);
        EXPECT_EQ(le(id, 12, 4), 22050u);
        // The last page's granule position counts the samples of the track.
        const std::string_view text(reinterpret_cast<const char*>(ogg.data()), ogg.size());
        const std::size_t last_page = text.rfind("OggS");
        const double length = le(ogg, last_page + 6, 4) / 22050.0;
        EXPECT_NEAR(length, seconds[track], 0.005); // the table rounds to 10 ms
    }
}

} // namespace
