// Searches side by side: two whole searches on two stocks, on threads of
// their own, each with its own workers, sharing nothing they write. Run
// under ThreadSanitizer too, which reports any unguarded sharing.
#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "search/order_results.h"
#include "search/stock_search.h"
#include "search/thread_platform.h"
#include "tests/support/search_job.h"

namespace corvanta {
namespace {

// One search's results, every digit, and its candidate count.
struct Found {
  std::size_t candidates = 0;
  std::vector<std::string> results;
  bool operator==(const Found& other) const {
    return candidates == other.candidates && results == other.results;
  }
};

Found Search(SearchMethod method, const testing::SearchJob& setup, const StockTables& tables) {
  ThreadPlatform platform(2u);
  RunControl control;
  SolveOutcome outcome;
  const std::vector<SolveResult> results =
      SearchStock(platform, method, testing::ValuesOf(setup), tables, control, {}, outcome);
  Found found{outcome.candidates, {}};
  for (const SolveResult& r : results) found.results.push_back(testing::ResultDigits(r));
  return found;
}

// Two jobs on two stocks, the second also on the first's tables (read by
// both at once): whatever runs beside a search, it finds what it finds
// alone.
TEST(StockSearch, SearchesSideBySideFindWhatEachFindsAlone) {
  testing::SearchJob wholeC;
  wholeC.wholeC = true;
  const auto tablesOf = [](const std::vector<int>& stock) {
    return MakeStockTables(StockGears(stock.begin(), stock.end()));
  };
  const StockTables first = tablesOf(testing::Stock(30, 70)),
                    second = tablesOf(testing::Stock(24, 64));
  for (SearchMethod method : {SearchMethod::kFast, SearchMethod::kLiteral}) {
    SCOPED_TRACE(method == SearchMethod::kFast ? "fast" : "literal");
    struct Pair {
      testing::SearchJob job;
      const StockTables& tables;
    };
    const std::vector<Pair> searches = {{{}, first}, {wholeC, second}, {wholeC, first}};
    std::vector<Found> alone;
    for (const Pair& s : searches) alone.push_back(Search(method, s.job, s.tables));
    // Not a vacuous comparison: each search finds results.
    for (const Found& f : alone) ASSERT_FALSE(f.results.empty());

    std::vector<Found> together(searches.size());
    std::vector<std::thread> threads;
    for (std::size_t k = 0; k < searches.size(); ++k)
      threads.emplace_back(
          [&, k] { together[k] = Search(method, searches[k].job, searches[k].tables); });
    for (std::thread& t : threads) t.join();
    EXPECT_EQ(together, alone);
  }
}

}  // namespace
}  // namespace corvanta
