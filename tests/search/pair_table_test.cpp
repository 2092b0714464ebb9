#include <gtest/gtest.h>

#include <map>
#include <utility>

#include "search/pair_table.h"
#include "search/search_state.h"
#include "search_test_support.h"

namespace corvanta {
namespace {

using testing::DefaultStock;
using testing::SetStock;

TEST(PairTable, StockIsEveryCellNotStartingWithZero) {
  MemoryControls controls;
  SetStock(controls, {});
  EXPECT_TRUE(ReadStockGears(controls).empty());
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST, "");         // 16 teeth: empty counts as owned
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 4, "x");    // 20: any character but '0'
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 24, "01");  // 40: starts with '0'
  controls.SetText(IDC_GEAR_STOCK_CELL_FIRST + 153, "1");  // 169, the last cell
  EXPECT_EQ(ReadStockGears(controls), (StockGears{16, 20, 169}));
}

struct Entry {
  int first, second, product;
};

TEST(PairTable, SmallStocksWorkedByHand) {
  const std::vector<std::pair<StockGears, std::vector<Entry>>> cases = {
      {{40}, {{40, 40, 1600}}},
      {{20, 40}, {{20, 20, 400}, {40, 20, 800}, {40, 20, 800}, {40, 40, 1600}}},
      // 1200 three ways: equal products go by `first` ascending.
      {{20, 24, 30, 40, 50, 60},
       {{20, 20, 400}, {24, 20, 480}, {24, 20, 480}, {24, 24, 576}, {30, 20, 600}, {30, 20, 600},
        {30, 24, 720}, {30, 24, 720}, {40, 20, 800}, {40, 20, 800}, {30, 30, 900},
        {40, 24, 960}, {40, 24, 960}, {50, 20, 1000}, {50, 20, 1000}, {40, 30, 1200},
        {40, 30, 1200}, {50, 24, 1200}, {50, 24, 1200}, {60, 20, 1200}, {60, 20, 1200},
        {60, 24, 1440}, {60, 24, 1440}, {50, 30, 1500}, {50, 30, 1500}, {40, 40, 1600},
        {60, 30, 1800}, {60, 30, 1800}, {50, 40, 2000}, {50, 40, 2000}, {60, 40, 2400},
        {60, 40, 2400}, {50, 50, 2500}, {60, 50, 3000}, {60, 50, 3000}, {60, 60, 3600}}},
  };
  for (const auto& [stock, expected] : cases) {
    const PairTable table = MakePairTable(stock);
    ASSERT_EQ(table.size(), expected.size());
    for (std::size_t k = 0; k < table.size(); ++k) {
      EXPECT_EQ(table[k].first, expected[k].first) << k;
      EXPECT_EQ(table[k].second, expected[k].second) << k;
      EXPECT_EQ(table[k].product, static_cast<std::uint64_t>(expected[k].product)) << k;
    }
  }
}

TEST(PairTable, DefaultStockHoldsEveryPairInOrder) {
  MemoryControls controls;
  SetStock(controls, DefaultStock());
  SearchState state;
  state.pairTable.push_back({1, 1, 1});  // stale entries from a previous Solve
  BuildPairTable(controls, state);
  ASSERT_EQ(state.stockGears.size(), 61u);
  ASSERT_EQ(state.pairTable.size(), 3721u);
  std::map<std::pair<int, int>, int> seen;
  for (std::size_t k = 0; k < state.pairTable.size(); ++k) {
    const GearPair& e = state.pairTable[k];
    EXPECT_GE(e.first, e.second);
    EXPECT_EQ(e.product, std::uint64_t{e.first} * e.second);
    if (k > 0) {
      const GearPair& p = state.pairTable[k - 1];
      EXPECT_TRUE(p.product < e.product || (p.product == e.product && p.first <= e.first)) << k;
    }
    ++seen[{e.first, e.second}];
  }
  // Two different gears pair up twice, a gear with itself once.
  for (int a = 30; a <= 90; ++a)
    for (int b = 30; b <= a; ++b) EXPECT_EQ((seen[{a, b}]), a == b ? 1 : 2) << a << " " << b;
}

}  // namespace
}  // namespace corvanta
