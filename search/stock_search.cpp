#include "search/stock_search.h"

#include <optional>
#include <utility>

#include "search/candidates.h"
#include "search/fast_candidates.h"
#include "search/order_results.h"

namespace corvanta {

std::vector<SolveResult> SearchStock(SolvePlatform& platform, SearchMethod method,
                                     const JobValues& job, const StockTables& tables,
                                     RunControl& control, const ProgressCallback& progress,
                                     SolveOutcome& outcome, CCache* cCache) {
  std::optional<CandidateList> found;
  if (method == SearchMethod::kFast)
    found = FastFindCandidates(tables, job, platform, /*refineWithWorkers=*/true, cCache);
  if (!found) found = FindCandidates(tables.pairs, job);
  outcome.candidates = found->candidates.size();
  ResultSink sink;
  if (!found->candidates.empty())
    RunFeedSearch(platform, method, job, tables, *found, control, sink, progress, outcome);
  // The candidates go before the ordering, which copies no result.
  found.reset();
  std::vector<SolveResult> results = sink.Take();
  OrderResults(results);
  return results;
}

}  // namespace corvanta
