#include "settings/app_settings.h"

#include <vector>

#include "settings/job_fields.h"
#include "settings/settings_location.h"

namespace corvanta {
namespace {

const std::string kSection(kSettingsSection);
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
  return LoadSettingsSection(store, path, kSection);
}

LoadedSettings LoadSettingsSection(const ProfileStore& store, const std::string& path,
                                   const std::string& section) {
  const AppSettings defaults = DefaultAppSettings();
  // The saved fields in their order, then the gear stock.
  std::vector<ProfileRead> reads;
  for (const JobField& field : kJobFields)
    if (field.setting)
      reads.push_back({field.settingsKey, defaults.*field.setting, BufferFor(field.savedLength)});
  reads.push_back({kChangeGearsKey, defaults.gearStockText, BufferFor(kGearStockTextMaxLength)});
  const ProfileValues read = store.ReadStrings(path, section, reads);

  LoadedSettings loaded{{}, read.file};
  std::size_t next = 0;
  for (const JobField& field : kJobFields)
    if (field.setting) loaded.values.*field.setting = read.values[next++];
  loaded.values.gearStockText = read.values[next];
  return loaded;
}

std::vector<ProfileEntry> SettingsEntries(const AppSettings& settings) {
  std::vector<ProfileEntry> entries;
  for (const JobField& field : kJobFields)
    if (field.setting) entries.push_back({field.settingsKey, settings.*field.setting});
  entries.push_back({kChangeGearsKey, settings.gearStockText});
  return entries;
}

AppSettings LoadSettings() { return LoadSettings(SystemProfileStore(), CommonDataFolder()); }

std::string SaveSettings(const AppSettings& settings, ProfileStore& store,
                         const std::optional<std::string>& dataFolder) {
  const SettingsLocation location = LocateSettings(dataFolder);
  // An existing folder is fine, and a failure shows in the write below.
  if (location.folder) store.CreateFolders(*location.folder);
  const std::string& file = location.file;
  std::string problem = store.WriteStrings(file, kSection, SettingsEntries(settings));
  store.Flush(file);
  return problem;
}

}  // namespace corvanta
