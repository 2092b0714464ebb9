#include "window_model/settings_fields.h"

#include <gtest/gtest.h>

#include "resources/resource.h"
#include "settings/gear_stock_text.h"
#include "window_model/memory_controls.h"
#include "window_model/read_job.h"

namespace corvanta {
namespace {

// A gear is owned exactly where its mark is "1", whichever way the mark is
// read: a cell's text by the search and by Save Settings, a character of
// the saved text when the cells are made from it.
TEST(GearOwned, TheSearchTheSaveAndTheStartReadTheSameMarks) {
  const std::vector<std::string> marks = {"1",  "0",   "2", "9",  "10", "49", "256",
                                          "-1", "abc", "",  "01", "1x", " 1", "11"};
  MemoryControls controls;
  std::string owned(kGearStockCellCount, '0');
  StockGears expected;
  for (std::size_t k = 0; k < marks.size(); ++k) {
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + static_cast<int>(k), marks[k]);
    if (marks[k] == "1") {
      owned[k] = '1';
      expected.push_back(static_cast<std::uint32_t>(16 + k));
    }
  }
  for (std::size_t k = marks.size(); k < kGearStockCellCount; ++k)
    controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + static_cast<int>(k), "0");
  EXPECT_EQ(GearStockTextFromCells(controls), owned);
  EXPECT_EQ(ReadStockGears(controls), expected);
  for (const char mark : std::string("10 2\x01\xFF")) {
    EXPECT_EQ(GearStockCellText(std::string(1, mark), 0), mark == '1' ? "1" : "0")
        << static_cast<int>(static_cast<unsigned char>(mark));
  }
}

}  // namespace
}  // namespace corvanta
