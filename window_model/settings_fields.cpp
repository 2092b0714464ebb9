#include "window_model/settings_fields.h"

#include <cstddef>

#include "resources/resource.h"
#include "settings/job_fields.h"
#include "window_model/field_controls.h"
#include "window_model/read_job.h"

namespace corvanta {

AppSettings ReadSettingsFields(const ControlAccess& controls) {
  AppSettings settings;
  // Each saved field read into a buffer one longer than the text it keeps.
  for (const JobField& field : kJobFields)
    if (field.setting)
      settings.*field.setting = controls.GetText(FieldControl(field.id), field.savedLength + 1);
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
