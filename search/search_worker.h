// The thread body that finds feed trains for a range of C candidates.
#ifndef CORVANTA_SEARCH_SEARCH_WORKER_H
#define CORVANTA_SEARCH_SEARCH_WORKER_H

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "numeric/number_types.h"
#include "search/c_candidate.h"
#include "search/result_sink.h"
#include "search/run_control.h"
#include "search/solve_result.h"
#include "search/stock_tables.h"

namespace corvanta {

// Where a worker's progress texts go (the window's status line). Called on
// the workers' threads.
using ProgressCallback = std::function<void(const std::string& text)>;

// What one worker needs (MakeWorkerContext fills it); the context stays
// alive until the worker has returned.
struct WorkerContext {
  ProgressCallback progress;     // none: the progress is not shown
  std::uint32_t rangeBegin = 0;  // candidates rangeBegin .. rangeEnd - 1
  std::uint32_t rangeEnd = 0;
  Decimal100 feedConstant;  // Kf as the candidate search used it
  Decimal100 sinHelix;
  Decimal100 piOverPn;
  bool wholeC = false;
  // Shared with the run's other workers: read only, but for the two atomics
  // of the control and the sink's locked appends.
  const StockTables* tables = nullptr;
  const std::vector<CCandidate>* candidates = nullptr;  // every C refined
  RunControl* control = nullptr;
  ResultSink* results = nullptr;
  unsigned logicalProcessors = 0;  // only shown in the progress text
};

// The feed train ratio that C asks for: piOverPn / (C x Kf) / sinHelix.
Decimal100 FeedRatio(const Decimal100& c, const Decimal100& feedConstant,
                     const Decimal100& sinHelix, const Decimal100& piOverPn);
Decimal100 FeedRatio(const Decimal100& c, const WorkerContext& context);

// Largest feed error kept (exclusive). Whole C constants are rarer, so they
// are allowed a looser feed.
double FeedTolerance(bool wholeC);

// Most matches one worker keeps, and the most the display offers.
inline constexpr std::size_t kMaxResults = 200;

// The status-line text after `done` candidates.
std::string ProgressText(std::uint32_t done, std::size_t candidateCount,
                         unsigned logicalProcessors);

// Puts `match` into `best` (ascending by feed error) after every entry of
// equal error, and cuts `best` to kMaxResults; returns the position it took.
std::size_t KeepMatch(std::vector<SolveResult>& best, SolveResult match);

// For each candidate of the range, the feed trains within tolerance; keeps
// the best kMaxResults (smallest feed error first, a match only when it beats
// the last one kept) and appends them to the results. Counts every
// candidate it starts in the control's progressCounter and writes the
// progress text at every hundredth count. Stops early, still handing over
// what it found, when a stop is requested. Safe to run on several threads at
// once over the same run. Returns 0.
unsigned SearchWorker(const WorkerContext& context);

}  // namespace corvanta

#endif
