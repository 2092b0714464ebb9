#include "settings/gear_stock_text.h"

namespace corvanta {

std::string_view GearStockCellText(std::string_view gearStockText, std::size_t cell) {
  if (gearStockText.empty()) return "0";
  char chosen = cell < gearStockText.size() ? gearStockText[cell] : gearStockText.back();
  return MarksOwnedGear(std::string_view(&chosen, 1)) ? "1" : "0";
}

}  // namespace corvanta
