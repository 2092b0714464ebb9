// Where the settings file lives.
#ifndef CORVANTA_SETTINGS_SETTINGS_LOCATION_H
#define CORVANTA_SETTINGS_SETTINGS_LOCATION_H

#include <optional>
#include <string>

namespace corvanta {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// The folder for application data shared by all users: the shell's
// CSIDL_COMMON_APPDATA folder on Windows; elsewhere $XDG_DATA_HOME, else
// ~/.local/share. nullopt when there is none.
std::optional<std::string> CommonDataFolder();

struct SettingsLocation {
  // "<data folder>/Tarnwick Works/Corvanta"; none without a data folder,
  // and then no folder is created.
  std::optional<std::string> folder;
  // The settings file in that folder, else settings.ini in the current
  // directory.
  std::string file;
};

// The location below `dataFolder`, which stands for CommonDataFolder() so
// that tests can put the file where they like. An empty folder counts as none.
SettingsLocation LocateSettings(const std::optional<std::string>& dataFolder);

// The file the program reads at start and writes on "Save Settings".
std::string SettingsFilePath();

}  // namespace corvanta

#endif
