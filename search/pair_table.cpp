#include "search/pair_table.h"

#include <algorithm>
#include <string>

#include "app/control_access.h"
#include "resources/resource.h"
#include "search/search_state.h"

namespace corvanta {

StockGears ReadStockGears(const ControlAccess& window) {
  StockGears gears;
  for (int k = 0; k < GEAR_STOCK_CELL_COUNT; ++k) {
    // A two-character read gives the first character only; an empty text
    // reads as a terminating zero, which is not '0', so it counts as owned.
    const std::string text = window.GetText(IDC_GEAR_STOCK_CELL_FIRST + k, 2);
    if (text.empty() || text[0] != '0')
      gears.push_back(static_cast<std::uint32_t>(GEAR_STOCK_FIRST_TOOTH_COUNT + k));
  }
  return gears;
}

PairTable MakePairTable(const StockGears& stockGears) {
  PairTable table;
  table.reserve(stockGears.size() * stockGears.size());
  for (std::size_t i = 0; i < stockGears.size(); ++i) {
    for (std::size_t j = 0; j < stockGears.size(); ++j) {
      const std::uint32_t later = stockGears[std::max(i, j)];
      const std::uint32_t earlier = stockGears[std::min(i, j)];
      table.push_back({static_cast<std::uint16_t>(later), static_cast<std::uint16_t>(earlier),
                       std::uint64_t{later} * earlier});
    }
  }
  std::sort(table.begin(), table.end(), [](const GearPair& a, const GearPair& b) {
    return a.product != b.product ? a.product < b.product : a.first < b.first;
  });
  return table;
}

void BuildPairTable(const ControlAccess& window, SearchState& state) {
  StockGears().swap(state.stockGears);
  PairTable().swap(state.pairTable);
  state.stockGears = ReadStockGears(window);
  state.pairTable = MakePairTable(state.stockGears);
}

}  // namespace corvanta
