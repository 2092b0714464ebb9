// One whole search of a gear stock for a job, on plain values: what a Solve
// runs between reading the window and showing the result.
#ifndef CORVANTA_SEARCH_STOCK_SEARCH_H
#define CORVANTA_SEARCH_STOCK_SEARCH_H

#include <vector>

#include "search/c_cache.h"
#include "search/feed_search.h"
#include "search/job_values.h"
#include "search/run_control.h"
#include "search/search_method.h"
#include "search/solve_platform.h"
#include "search/solve_result.h"
#include "search/stock_tables.h"

namespace corvanta {

// The C candidates (by the fast search, unless `method` is kLiteral or the
// fast one declines the job), the feed search over them on the platform's
// processors, and what it kept in the final order (OrderResults), at most
// kMaxResults. Everything it builds is its own but the read-only `tables`,
// so searches on separate threads and controls can run at once. Fills
// outcome's candidates and what RunFeedSearch fills. The fast search takes
// its C constants from `cCache` when given (searches of several stocks for
// one job share it).
std::vector<SolveResult> SearchStock(SolvePlatform& platform, SearchMethod method,
                                     const JobValues& job, const StockTables& tables,
                                     RunControl& control, const ProgressCallback& progress,
                                     SolveOutcome& outcome, CCache* cCache = nullptr);

}  // namespace corvanta

#endif
