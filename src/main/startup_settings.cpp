#include "main/startup_settings.hpp"

#include "game/stored_file.hpp"
#include "settings/settings_file.hpp"

#include <SDL_mixer.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>

namespace coilwend {
namespace {

// A plain file in the preferences folder, until the shared preferences file
// type takes its place.
class LocalSettingsFile final : public StoredFile {
  public:
    explicit LocalSettingsFile(std::string path) : path_(std::move(path)) {}
    std::string path() const override { return path_; }
    FileRead read() override {
        std::ifstream in(path_, std::ios::binary);
        if (!in)
            return {std::nullopt, std::strerror(errno), true};
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return {bytes.str(), {}, false};
    }
    std::optional<std::string> replace(std::string_view bytes) override {
        const std::string temporary = path_ + ".tmp";
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.close();
        if (!out || std::rename(temporary.c_str(), path_.c_str()) != 0)
            return std::string(std::strerror(errno));
        return std::nullopt;
    }

  private:
    std::string path_;
};

// The game's full volume, one step below the mixer's ceiling.
constexpr int kSoundOnVolume = 127;

void apply_sound_state(bool muted) {
    const int volume = muted ? 0 : kSoundOnVolume;
    Mix_VolumeMusic(volume);
    Mix_Volume(-1, volume);
    if (muted)
        Mix_PauseMusic();
    else
        Mix_ResumeMusic();
}

} // namespace

void load_startup_settings(const std::string& preferences_dir) {
    LocalSettingsFile file(preferences_dir + "settings");
    // The mixer follows the file only when it says something about the sound;
    // otherwise the device keeps the state it was opened with.
    if (const auto muted = load_settings(file).sound_muted)
        apply_sound_state(*muted);
}

} // namespace coilwend
