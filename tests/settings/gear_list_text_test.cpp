// The gear stock as tooth counts and ranges: what a list is read as, why
// one is refused, and that every stock's list reads back as that stock.
#include "settings/gear_list_text.h"

#include <gtest/gtest.h>

#include <random>

#include "settings/gear_stock_text.h"

namespace corvanta {
namespace {

// The stock text owning `gears` (tooth counts).
std::string StockOf(std::initializer_list<int> gears) {
  std::string text(kGearStockCellCount, '0');
  for (int teeth : gears) text[static_cast<std::size_t>(teeth - 16)] = '1';
  return text;
}

TEST(GearList, ListsAreReadOrRefusedWithTheirReason) {
  const struct {
    const char* list;
    std::string stock;    // when taken
    const char* problem;  // when refused
  } cases[] = {
      {"16", StockOf({16}), ""},
      {"169,16", StockOf({16, 169}), ""},
      {" 30 - 33 , 100,127\t", StockOf({30, 31, 32, 33, 100, 127}), ""},
      {"30-31,31-32,31", StockOf({30, 31, 32}), ""},
      {"40-40", StockOf({40}), ""},
      {"016", StockOf({16}), ""},
      {"", "", "the list is empty"},
      {" ", "", "the list is empty"},
      {"30,,40", "", "an item between commas is empty"},
      {"30,", "", "an item between commas is empty"},
      {"15", "", "15 is no change gear (16 to 169 teeth)"},
      {"30-170", "", "170 is no change gear (16 to 169 teeth)"},
      {"99999999999999999999", "", "99999999999999999999 is no change gear (16 to 169 teeth)"},
      {"90-30", "", "the range 90-30 runs from high to low"},
      {"-30", "", "\"\" is no tooth count"},
      {"30-", "", "\"\" is no tooth count"},
      {"30-40-50", "", "\"40-50\" is no tooth count"},
      {"+30", "", "\"+30\" is no tooth count"},
      {"3 0", "", "\"3 0\" is no tooth count"},
      {"30;40", "", "\"30;40\" is no tooth count"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.list);
    const GearList read = GearStockFromList(c.list);
    EXPECT_EQ(read.problem, c.problem);
    EXPECT_EQ(read.stockText, c.stock);
  }
}

TEST(GearList, EveryStockReadsBackFromItsList) {
  EXPECT_EQ(GearListText(StockOf({16, 17, 18, 19, 20, 24, 30, 31, 90, 92, 169})),
            "16-20,24,30-31,90,92,169");
  EXPECT_EQ(GearListText(std::string(kGearStockCellCount, '0')), "");
  // A short text stands for the cells made from it.
  EXPECT_EQ(GearListText("01"), "17-169");
  EXPECT_EQ(GearListText(""), "");
  std::mt19937 random(20261207);
  for (int round = 0; round < 200; ++round) {
    std::string stock(kGearStockCellCount, '0');
    const unsigned density = random() % 100;
    for (char& mark : stock)
      if (random() % 100 < density) mark = '1';
    if (stock.find('1') == std::string::npos) continue;
    SCOPED_TRACE(stock);
    EXPECT_EQ(GearStockFromList(GearListText(stock)).stockText, stock);
  }
}

}  // namespace
}  // namespace corvanta
