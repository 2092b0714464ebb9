// Jobs as plain values, and a search made ready over one, for the tests of
// the search and of what is built on it.
#ifndef CORVANTA_TESTS_SUPPORT_SEARCH_JOB_H
#define CORVANTA_TESTS_SUPPORT_SEARCH_JOB_H

#include <array>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "search/candidates.h"
#include "search/fast_candidates.h"
#include "search/fast_search_worker.h"
#include "search/feed_search.h"
#include "search/job_values.h"
#include "search/order_results.h"
#include "search/pair_table.h"
#include "search/search_worker.h"
#include "search/stock_tables.h"
#include "search/thread_platform.h"

namespace corvanta::testing {

// Every `step`th gear from `from` to `to`; by default a fresh installation's.
inline std::vector<int> Stock(int from = 30, int to = 90, int step = 1) {
  std::vector<int> teeth;
  for (int t = from; t <= to; t += step) teeth.push_back(t);
  return teeth;
}

// Defaults: the regression job (set-up row 0, whose sign is -1).
struct SearchJob {
  std::string indexConst = "30", feedConst = "0.075", feedRate = ".025", helix = "30", pitch = "10";
  int teeth = 40, hobThreads = 1, sign = -1;
  bool wholeC = false;
};

inline JobValues ValuesOf(const SearchJob& job) {
  JobFields fields;
  fields.feedConstant = Decimal100(job.feedConst);
  fields.feedRate = Decimal100(job.feedRate);
  fields.feedRateTextLength = job.feedRate.size();
  fields.helixAngle = Decimal100(job.helix);
  fields.normalPitch = Decimal100(job.pitch);
  fields.wholeC = job.wholeC;
  return MakeJobValues({Decimal100(job.indexConst), job.hobThreads, job.teeth, job.sign}, fields);
}

// The stock's tables and the C candidates built by the literal or the fast
// search (the literal one when the fast one declines the job, as in the
// Solve); Run runs one worker of the same search over a range of them and
// returns what it handed over.
struct ReadySearch {
  JobValues job;
  SearchMethod method;
  StockTables tables;
  CandidateList found;
  RunControl control;
  ReadySearch(const SearchJob& setup, const std::vector<int>& stock,
              SearchMethod searchMethod = SearchMethod::kLiteral)
      : job(ValuesOf(setup)),
        method(searchMethod),
        tables(MakeStockTables(StockGears(stock.begin(), stock.end()))) {
    ThreadPlatform platform;
    std::optional<CandidateList> fast;
    if (method == SearchMethod::kFast) fast = FastFindCandidates(tables, job, platform);
    found = fast ? std::move(*fast) : FindCandidates(tables.pairs, job);
  }
  const std::vector<CCandidate>& candidates() const { return found.candidates; }
  std::vector<SolveResult> Run(std::size_t begin, std::size_t end,
                               ProgressCallback progress = nullptr) {
    ResultSink sink;
    const WorkerRange range{static_cast<std::uint32_t>(begin), static_cast<std::uint32_t>(end)};
    const WorkerContext context = MakeWorkerContext({tables, found.candidates, control, sink}, job,
                                                    range, 0, std::move(progress));
    if (method == SearchMethod::kLiteral) {
      SearchWorker(context);
    } else {
      FastSearchWorker(context);
    }
    return sink.Take();
  }
};

// Every digit of a result: its tooth counts, feed error and C.
inline std::string ResultDigits(const SolveResult& r) {
  std::ostringstream text;
  for (std::uint16_t teeth : ToothCounts(r)) text << teeth << " ";
  text << r.feedError.str(200, std::ios_base::scientific) << " "
       << r.C.str(200, std::ios_base::scientific);
  return text.str();
}

// A result of the two trains, each numerator over denominator, and C.
inline SolveResult MakeResult(ToothPair indexUp, ToothPair indexDown, ToothPair feedUp,
                              ToothPair feedDown, const char* c) {
  return {feedDown, feedUp, indexDown, indexUp, {}, Decimal100(c)};  // SolveResult's order
}

}  // namespace corvanta::testing

#endif
