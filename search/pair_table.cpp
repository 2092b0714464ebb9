#include "search/pair_table.h"

#include <algorithm>

namespace corvanta {

PairTable MakePairTable(const StockGears& stockGears) {
  PairTable table;
  table.reserve(stockGears.size() * stockGears.size());
  for (std::size_t i = 0; i < stockGears.size(); ++i) {
    for (std::size_t j = 0; j < stockGears.size(); ++j) {
      const std::uint32_t later = stockGears[std::max(i, j)];
      const std::uint32_t earlier = stockGears[std::min(i, j)];
      table.push_back({static_cast<std::uint16_t>(later), static_cast<std::uint16_t>(earlier),
                       PairProduct(later, earlier)});
    }
  }
  std::sort(table.begin(), table.end(), [](const GearPair& a, const GearPair& b) {
    return a.product != b.product ? a.product < b.product : a.first < b.first;
  });
  return table;
}

}  // namespace corvanta
