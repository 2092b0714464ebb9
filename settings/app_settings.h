// The values kept from one run to the next: the machine's index and feed
// constants, the usual feed rate and the shop's change-gear stock.
#ifndef CORVANTA_SETTINGS_APP_SETTINGS_H
#define CORVANTA_SETTINGS_APP_SETTINGS_H

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/gear_stock_text.h"
#include "settings/profile_store.h"

namespace corvanta {

// Longest gear-stock text kept, when read and when saved.
inline constexpr std::size_t kGearStockTextMaxLength = kGearStockCellCount;

// Read once at start, where the creation of the window's controls uses them,
// and saved from the window's fields. Each field's text is at most its
// savedLength characters long (settings/job_fields.h), the gear stock's at
// most kGearStockTextMaxLength.
struct AppSettings {
  std::string indexConstant;  // initial "Index Const:"
  std::string feedConstant;   // initial "Feed Const:"
  std::string feedRate;       // initial "Feed Rate:"
  std::string gearStockText;  // source of the gear-stock cells (GearStockCellText)
};

// The settings when the file, its section or a key is missing: index
// constant 30, feed constant 0.075, feed rate .025, and gears of 30 to 90
// teeth owned.
AppSettings DefaultAppSettings();

// The settings read from a file, and what became of the file: a caller
// that can say so reports a file that was not read (too large, or no
// regular file); the values are then the defaults.
struct LoadedSettings {
  AppSettings values;
  ProfileFile file = ProfileFile::kMissing;
};

// Reads the four keys from the settings file below `dataFolder` (see
// LocateSettings), in one reading of the file. Missing keys give their
// defaults; a key present with an empty value gives "". A file that cannot
// be read, or is larger than kProfileFileLimit, gives every default.
// Nothing is created, and the file is never written back.
AppSettings LoadSettings(const ProfileStore& store, const std::optional<std::string>& dataFolder);
// The program's start: the system store and CommonDataFolder().
AppSettings LoadSettings();
// The same four keys from the settings file at `path`.
LoadedSettings LoadSettingsFile(const ProfileStore& store, const std::string& path);

// The section of the settings file that holds the four keys.
inline constexpr std::string_view kSettingsSection = "Settings";

// The four keys from section `section` of the file at `path`, by the same
// rules as the section "Settings" (a saved machine holds them too).
LoadedSettings LoadSettingsSection(const ProfileStore& store, const std::string& path,
                                   const std::string& section);
// The four keys and their values, in the order they are saved.
std::vector<ProfileEntry> SettingsEntries(const AppSettings& settings);

// "Save Settings": the four values go to the settings file below
// `dataFolder`, whose folder chain is created first. Other sections, keys and
// lines of the file are kept while the file stays small enough for a start
// to read (see ProfileStore::WriteStrings). "" when saved, else the
// system's reason why not.
std::string SaveSettings(const AppSettings& settings, ProfileStore& store,
                         const std::optional<std::string>& dataFolder);

}  // namespace corvanta

#endif
