// The shop's change-gear stock as the settings file keeps it: a text in which
// character k stands for the change gear with 16 + k teeth, "1" when owned.
#ifndef CORVANTA_SETTINGS_GEAR_STOCK_TEXT_H
#define CORVANTA_SETTINGS_GEAR_STOCK_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

#include "app/control_access.h"

namespace corvanta {

// The text of gear-stock cell `cell` at window creation: "1" when the chosen
// character of `gearStockText` is '1', else "0". The chosen character is the
// cell's own, or the text's last for cells beyond a short text; an empty text
// gives "0" everywhere.
std::string_view GearStockCellText(std::string_view gearStockText, std::size_t cell);

// The text to save from the 154 gear-stock cells: '1' for a cell whose value
// is 1, '0' for every other cell (0, not a number, or anything larger), so
// that the file only ever holds the two characters the reading rule knows.
std::string GearStockTextFromCells(const ControlAccess& controls);

}  // namespace corvanta

#endif
