#include "advice/gear_advice.h"

#include <algorithm>
#include <mutex>
#include <new>

#include "advice/inline_platform.h"
#include "search/feed_search.h"
#include "search/order_results.h"
#include "search/stock_search.h"
#include "search/stock_tables.h"
#include "search/worker_group.h"
#include "settings/gear_stock_text.h"

namespace corvanta {

namespace {

// The position in `results` (in the Solve's order) of the smallest absolute
// lead error; the earlier one of equal errors.
std::size_t SmallestLeadError(const AdviceJob& advice, const std::vector<SolveResult>& results) {
  const ResultJobTerms terms = MakeResultJobTerms(advice.display);
  std::size_t best = 0;
  Decimal100 bestError;
  for (std::size_t k = 0; k < results.size(); ++k) {
    // The C the display derives from the index train: the stored one but
    // with whole C constants, where the search keeps C rounded.
    const Decimal100 c =
        advice.job.wholeC ? ShownC(advice.job.index, results[k], advice.method) : results[k].C;
    const Decimal100 error = abs(EvaluateResultNumbers(terms, c, results[k]).leadError);
    if (k == 0 || CompareNumbers(error, bestError) < 0) {
      best = k;
      bestError = error;
    }
  }
  return best;
}

}  // namespace

std::vector<std::vector<std::uint32_t>> AdviceAdditions(const StockGears& stock, bool pairs) {
  std::vector<std::uint32_t> lacking;
  for (std::size_t cell = 0; cell < kGearStockCellCount; ++cell) {
    const auto teeth = static_cast<std::uint32_t>(kFirstStockToothCount + cell);
    if (!std::binary_search(stock.begin(), stock.end(), teeth)) lacking.push_back(teeth);
  }
  std::vector<std::vector<std::uint32_t>> additions;
  for (std::uint32_t teeth : lacking) additions.push_back({teeth});
  if (pairs) {
    for (std::size_t i = 0; i < lacking.size(); ++i)
      for (std::size_t j = i + 1; j < lacking.size(); ++j)
        additions.push_back({lacking[i], lacking[j]});
  }
  return additions;
}

AdviceRow AdviseStock(const AdviceJob& advice, const std::vector<std::uint32_t>& added,
                      RunControl& control, CCache* cCache) {
  AdviceRow row;
  row.added = added;
  StockGears gears = advice.stock;
  gears.insert(gears.end(), added.begin(), added.end());
  std::sort(gears.begin(), gears.end());
  gears.erase(std::unique(gears.begin(), gears.end()), gears.end());
  // A Solve on an empty stock searches nothing.
  if (gears.empty()) return row;

  const StockTables tables = MakeStockTables(std::move(gears));
  InlinePlatform platform(advice.processors);
  SolveOutcome outcome;
  const std::vector<SolveResult> results =
      SearchStock(platform, advice.method, advice.job, tables, control, {}, outcome, cCache);
  row.results = results.size();
  if (!results.empty()) {
    row.first = results.front();
    const std::size_t best = SmallestLeadError(advice, results);
    row.bestLead = results[best];
    row.bestLeadNumber = best + 1;
  }
  return row;
}

void RankAdviceRows(std::vector<AdviceRow>& rows) {
  const auto stockItself =
      std::find_if(rows.begin(), rows.end(), [](const AdviceRow& r) { return r.added.empty(); });
  if (stockItself != rows.end()) std::rotate(rows.begin(), stockItself, stockItself + 1);
  const auto rest = rows.begin() + (stockItself != rows.end() ? 1 : 0);
  // No two rows add the same gears, so this order is total, and an
  // unstable sort (which needs no second list of rows) gives it.
  std::sort(rest, rows.end(), [](const AdviceRow& a, const AdviceRow& b) {
    if (a.first.has_value() != b.first.has_value()) return a.first.has_value();
    if (a.first) {
      if (const int byError = CompareNumbers(a.first->feedError, b.first->feedError))
        return byError < 0;
    }
    if (a.results != b.results) return a.results > b.results;
    return a.added < b.added;
  });
}

AdviceOutcome RunAdvice(SolvePlatform& platform, const AdviceJob& advice, bool pairs,
                        unsigned threads, RunControl& control, const AdviceProgress& progress) {
  std::vector<std::vector<std::uint32_t>> additions = AdviceAdditions(advice.stock, pairs);
  AdviceOutcome outcome;
  outcome.tried = additions.size();
  // The stock itself is searched like every addition, as the first task.
  additions.insert(additions.begin(), std::vector<std::uint32_t>{});
  const std::size_t total = additions.size();

  // The rows are made in place, in the list the outcome keeps: a pairs
  // advice has thousands, and a second list would double their memory.
  std::vector<AdviceRow>& rows = outcome.rows;
  rows.resize(total);
  std::vector<char> done(total, 0);  // not vector<bool>: threads set their own
  std::atomic<std::size_t> next{0};
  std::atomic<std::size_t> finished{0};
  std::atomic<bool> failed{false};
  CCache cCache(advice.job.index);
  const auto work = [&] {
    for (std::size_t k = next.fetch_add(1); k < total; k = next.fetch_add(1)) {
      if (control.StopRequested()) return;
      try {
        AdviceRow row = AdviseStock(advice, additions[k], control, &cCache);
        // A stop may have cut this search short: its row is not the Solve's.
        if (control.StopRequested()) return;
        rows[k] = std::move(row);
        done[k] = 1;
      } catch (const std::bad_alloc&) {
        failed.store(true);
        control.RequestStop();
        return;
      }
      const std::size_t count = finished.fetch_add(1) + 1;
      if (progress) progress(count, total);
    }
  };
  {
    WorkerGroup group(platform, control);
    for (unsigned t = 0; t < std::max(threads, 1u); ++t) group.Start(work);
    group.WaitForAll();
  }
  std::size_t kept = 0;
  for (std::size_t k = 0; k < total; ++k) {
    if (!done[k]) continue;
    if (kept != k) rows[kept] = std::move(rows[k]);  // never onto itself
    ++kept;
  }
  rows.resize(kept);
  outcome.stopped = kept < total;
  RankAdviceRows(outcome.rows);
  return outcome;
}

}  // namespace corvanta
