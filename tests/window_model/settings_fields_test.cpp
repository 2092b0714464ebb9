#include "window_model/settings_fields.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "window_model/memory_controls.h"

namespace corvanta {
namespace {

// Cells are saved as owned only when they hold exactly "1".
TEST(GearStockTextFromCells, OwnedOnlyWhereACellHoldsExactlyOne) {
  MemoryControls controls;
  const char* cellTexts[] = {"1", "0", "2", "9", "10", "49", "256", "-1", "abc", "", "01"};
  for (int k = 0; k < 11; ++k) controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + k, cellTexts[k]);
  EXPECT_EQ(GearStockTextFromCells(controls), "10000000001" + std::string(154 - 11, '0'));
}

}  // namespace
}  // namespace corvanta
