// The kept settings as the window holds them, for "Save Settings".
#ifndef CORVANTA_WINDOW_MODEL_SETTINGS_FIELDS_H
#define CORVANTA_WINDOW_MODEL_SETTINGS_FIELDS_H

#include <string>

#include "settings/app_settings.h"
#include "window_model/control_access.h"

namespace corvanta {

// The saved fields (index constant, feed constant and feed rate), each cut
// to its savedLength (settings/job_fields.h), and the 154 gear-stock cells
// (GearStockTextFromCells).
AppSettings ReadSettingsFields(const ControlAccess& controls);

// The text to save from the 154 gear-stock cells: '1' for a cell that marks
// its gear owned (MarksOwnedGear), '0' for every other cell, so that the
// file only ever holds the two characters the reading rule knows.
std::string GearStockTextFromCells(const ControlAccess& controls);

}  // namespace corvanta

#endif
