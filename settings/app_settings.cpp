#include "settings/app_settings.h"

#include "settings/settings_location.h"

namespace corvanta {
namespace {

const std::string kSection = "Settings";
const std::string kIndexConstantKey = "Index Constant";
const std::string kFeedConstantKey = "Feed Constant";
const std::string kFeedRateKey = "Feed Rate";
const std::string kChangeGearsKey = "Change Gears";

// Reads and field texts go through buffers one longer than the text they
// keep, for the terminating zero.
constexpr std::size_t BufferFor(std::size_t maxLength) { return maxLength + 1; }

}  // namespace

AppSettings DefaultAppSettings() {
  // Owned: 30 to 90 teeth, that is characters 14 to 74; the final '0' makes
  // every cell beyond the text (91 teeth and up) not owned.
  return {"30", "0.075", ".025", std::string(14, '0') + std::string(61, '1') + "0"};
}

AppSettings LoadSettings(const ProfileStore& store, const std::optional<std::string>& dataFolder) {
  return LoadSettingsFile(store, LocateSettings(dataFolder).file).values;
}

LoadedSettings LoadSettingsFile(const ProfileStore& store, const std::string& path) {
  const AppSettings defaults = DefaultAppSettings();
  const ProfileValues read = store.ReadStrings(
      path, kSection,
      {{kIndexConstantKey, defaults.indexConstant, BufferFor(kIndexConstantMaxLength)},
       {kFeedConstantKey, defaults.feedConstant, BufferFor(kFeedConstantMaxLength)},
       {kFeedRateKey, defaults.feedRate, BufferFor(kFeedRateMaxLength)},
       {kChangeGearsKey, defaults.gearStockText, BufferFor(kGearStockTextMaxLength)}});
  return {{read.values[0], read.values[1], read.values[2], read.values[3]}, read.file};
}

AppSettings LoadSettings() { return LoadSettings(SystemProfileStore(), CommonDataFolder()); }

std::string SaveSettings(const AppSettings& settings, ProfileStore& store,
                         const std::optional<std::string>& dataFolder) {
  const SettingsLocation location = LocateSettings(dataFolder);
  // An existing folder is fine, and a failure shows in the write below.
  if (location.folder) store.CreateFolders(*location.folder);
  const std::string& file = location.file;
  std::string problem = store.WriteStrings(file, kSection,
                                           {{kIndexConstantKey, settings.indexConstant},
                                            {kFeedConstantKey, settings.feedConstant},
                                            {kFeedRateKey, settings.feedRate},
                                            {kChangeGearsKey, settings.gearStockText}});
  store.Flush(file);
  return problem;
}

}  // namespace corvanta
