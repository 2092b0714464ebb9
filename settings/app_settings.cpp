#include "settings/app_settings.h"

#include "resources/resource.h"
#include "settings/gear_stock_text.h"
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

// One character per gear-stock cell.
static_assert(kGearStockTextMaxLength == GEAR_STOCK_CELL_COUNT);

}  // namespace

AppSettings DefaultAppSettings() {
  // Owned: 30 to 90 teeth, that is characters 14 to 74; the final '0' makes
  // every cell beyond the text (91 teeth and up) not owned.
  return {"30", "0.075", ".025", std::string(14, '0') + std::string(61, '1') + "0"};
}

AppSettings LoadSettings(const ProfileStore& store, const std::optional<std::string>& dataFolder) {
  return LoadSettingsFile(store, LocateSettings(dataFolder).file);
}

AppSettings LoadSettingsFile(const ProfileStore& store, const std::string& path) {
  const AppSettings defaults = DefaultAppSettings();
  AppSettings settings;
  settings.indexConstant =
      store.ReadString(path, kSection, kIndexConstantKey, defaults.indexConstant,
                       BufferFor(kIndexConstantMaxLength));
  settings.feedConstant = store.ReadString(path, kSection, kFeedConstantKey, defaults.feedConstant,
                                           BufferFor(kFeedConstantMaxLength));
  settings.feedRate = store.ReadString(path, kSection, kFeedRateKey, defaults.feedRate,
                                       BufferFor(kFeedRateMaxLength));
  settings.gearStockText = store.ReadString(path, kSection, kChangeGearsKey, defaults.gearStockText,
                                            BufferFor(kGearStockTextMaxLength));
  return settings;
}

AppSettings LoadSettings() { return LoadSettings(SystemProfileStore(), CommonDataFolder()); }

bool SaveSettings(const ControlAccess& controls, ProfileStore& store,
                  const std::optional<std::string>& dataFolder) {
  const std::string indexConstant =
      controls.GetText(IDC_INDEX_CONST, BufferFor(kIndexConstantMaxLength));
  const std::string feedConstant =
      controls.GetText(IDC_FEED_CONST, BufferFor(kFeedConstantMaxLength));
  const std::string feedRate = controls.GetText(IDC_FEED_RATE, BufferFor(kFeedRateMaxLength));

  const SettingsLocation location = LocateSettings(dataFolder);
  // An existing folder is fine, and a failure shows in the writes below.
  if (location.folder) store.CreateFolders(*location.folder);

  const std::string gearStockText = GearStockTextFromCells(controls);

  // All four are tried even after a failure, so that each value that can be
  // saved is.
  bool saved = store.WriteString(location.file, kSection, kIndexConstantKey, indexConstant);
  saved = store.WriteString(location.file, kSection, kFeedConstantKey, feedConstant) && saved;
  saved = store.WriteString(location.file, kSection, kFeedRateKey, feedRate) && saved;
  saved = store.WriteString(location.file, kSection, kChangeGearsKey, gearStockText) && saved;
  store.Flush(location.file);
  return saved;
}

bool SaveSettings(const ControlAccess& controls) {
  return SaveSettings(controls, SystemProfileStore(), CommonDataFolder());
}

}  // namespace corvanta
