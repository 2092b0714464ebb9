// The shop's change-gear stock as the settings file keeps it: a text in which
// character k stands for the change gear with 16 + k teeth, "1" when owned.
#ifndef CORVANTA_SETTINGS_GEAR_STOCK_TEXT_H
#define CORVANTA_SETTINGS_GEAR_STOCK_TEXT_H

#include <cstddef>
#include <string_view>

namespace corvanta {

// The change gears a shop can own: 154 of them, from 16 to 169 teeth.
inline constexpr std::size_t kGearStockCellCount = 154;
inline constexpr int kFirstStockToothCount = 16;

// The one rule for a gear in stock, wherever its mark is read (a character
// of the settings file's text, the text of a gear-stock cell): owned
// exactly when the mark is "1". The window's cells hold only "0" or "1";
// anything else (another program can write any text into a cell) is a gear
// the shop does not own.
inline bool MarksOwnedGear(std::string_view mark) { return mark == "1"; }

// The text of gear-stock cell `cell` at window creation: "1" when the chosen
// character of `gearStockText` is '1', else "0". The chosen character is the
// cell's own, or the text's last for cells beyond a short text; an empty text
// gives "0" everywhere.
std::string_view GearStockCellText(std::string_view gearStockText, std::size_t cell);

}  // namespace corvanta

#endif
