// The tables a search over one gear stock reads.
//
// They depend on the stock alone, not on the job, and no search writes to
// them: made once, they can be shared by any number of searches, on any
// threads, at the same time.
#ifndef CORVANTA_SEARCH_STOCK_TABLES_H
#define CORVANTA_SEARCH_STOCK_TABLES_H

#include "search/pair_index.h"
#include "search/pair_table.h"

namespace corvanta {

struct StockTables {
  StockGears gears;
  PairTable pairs;  // of gears, sorted
  PairIndex index;  // of pairs, for the fast search
};

// The tables of `gears` (ascending, without repeats); empty tables for an
// empty stock.
StockTables MakeStockTables(StockGears gears);

}  // namespace corvanta

#endif
