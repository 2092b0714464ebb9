#include "search/stock_tables.h"

#include <utility>

namespace corvanta {

StockTables MakeStockTables(StockGears gears) {
  StockTables tables;
  tables.gears = std::move(gears);
  tables.pairs = MakePairTable(tables.gears);
  tables.index = MakePairIndex(tables.pairs);
  return tables;
}

}  // namespace corvanta
