#include "settings/settings_location.h"

namespace corvanta {
namespace {

bool EndsWithSeparator(const std::string& path) {
  return !path.empty() && (path.back() == kPathSeparator || path.back() == '/');
}

std::string Join(std::string folder, const char* name) {
  if (!EndsWithSeparator(folder)) folder += kPathSeparator;
  return folder + name;
}

}  // namespace

SettingsLocation LocateSettings(const std::optional<std::string>& dataFolder) {
  if (!dataFolder || dataFolder->empty()) {
    // Spelt with the current directory in it: the Windows profile functions
    // look for a bare file name in the Windows folder instead.
    return {std::nullopt, std::string(".") + kPathSeparator + "settings.ini"};
  }
  std::string folder = Join(Join(*dataFolder, "Tarnwick Works"), "Corvanta");
  std::string file = Join(folder, "settings.ini");
  return {folder, file};
}

std::string SettingsFilePath() { return LocateSettings(CommonDataFolder()).file; }

}  // namespace corvanta
