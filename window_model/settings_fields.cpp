#include "window_model/settings_fields.h"

#include <cstddef>

#include "resources/resource.h"
#include "window_model/read_job.h"

namespace corvanta {

namespace {

// A read that keeps at most `maxLength` characters (a buffer one longer).
std::string ReadAtMost(const ControlAccess& controls, ControlId id, std::size_t maxLength) {
  return controls.GetText(id, maxLength + 1);
}

}  // namespace

AppSettings ReadSettingsFields(const ControlAccess& controls) {
  AppSettings settings;
  settings.indexConstant = ReadAtMost(controls, IDC_INDEX_CONST, kIndexConstantMaxLength);
  settings.feedConstant = ReadAtMost(controls, IDC_FEED_CONST, kFeedConstantMaxLength);
  settings.feedRate = ReadAtMost(controls, IDC_FEED_RATE, kFeedRateMaxLength);
  settings.gearStockText = GearStockTextFromCells(controls);
  return settings;
}

std::string GearStockTextFromCells(const ControlAccess& controls) {
  std::string text(GEAR_STOCK_CELL_COUNT, '0');
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    if (MarksOwnedGear(controls.GetText(IDC_GEAR_STOCK_CELL_FIRST + k, kCellMarkReadSize)))
      text[static_cast<std::size_t>(k)] = '1';
  }
  return text;
}

}  // namespace corvanta
