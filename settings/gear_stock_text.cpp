#include "settings/gear_stock_text.h"

#include "resources/resource.h"

namespace corvanta {

std::string_view GearStockCellText(std::string_view gearStockText, std::size_t cell) {
  if (gearStockText.empty()) return "0";
  char chosen = cell < gearStockText.size() ? gearStockText[cell] : gearStockText.back();
  return chosen == '1' ? "1" : "0";
}

std::string GearStockTextFromCells(const ControlAccess& controls) {
  std::string text(GEAR_STOCK_CELL_COUNT, '0');
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    // '0' + value would write ':' for 10 and wrap round past 255; a cell
    // holds only 0 or 1, and anything else means "not owned" when read back.
    if (controls.GetUnsigned(IDC_GEAR_STOCK_CELL_FIRST + k) == 1u)
      text[static_cast<std::size_t>(k)] = '1';
  }
  return text;
}

}  // namespace corvanta
