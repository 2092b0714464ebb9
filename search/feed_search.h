// The feed search: the workers that find feed trains for the C candidates,
// the split of the candidates over them, their start, and the wait for them
// on the calling thread (the window's, in the program), which watches the
// stop key and keeps the window's messages flowing meanwhile. The operating
// system is reached only through SolvePlatform.
#ifndef CORVANTA_SEARCH_FEED_SEARCH_H
#define CORVANTA_SEARCH_FEED_SEARCH_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "search/candidates.h"
#include "search/job_values.h"
#include "search/result_sink.h"
#include "search/run_control.h"
#include "search/search_method.h"
#include "search/search_worker.h"
#include "search/solve_platform.h"
#include "search/stock_tables.h"

namespace corvanta {

// Positions rangeBegin up to, not including, rangeEnd of the candidates.
struct WorkerRange {
  std::uint32_t rangeBegin = 0;
  std::uint32_t rangeEnd = 0;
};

// The workers to start for n candidates on p processors. n > p: p workers
// over consecutive chunks of n / p rounded up, the last ones cut at n (and
// empty once n is reached). 0 < n <= p: n workers, the first over all n,
// the others empty. n = 0 (or p = 0): none.
std::vector<WorkerRange> SplitCandidates(std::size_t candidateCount, unsigned processors);

// The processors to use when the system reports `reported`: all of them,
// and one when it does not say.
unsigned UsableProcessors(unsigned reported);

// What every worker of one feed search reads and writes.
struct FeedSearchShared {
  const StockTables& tables;
  const std::vector<CCandidate>& candidates;
  RunControl& control;
  ResultSink& results;
};

// The context of the worker over `range` of the candidates for `job`.
WorkerContext MakeWorkerContext(const FeedSearchShared& shared, const JobValues& job,
                                WorkerRange range, unsigned logicalProcessors,
                                ProgressCallback progress);

// What one Solve did, for callers that report it (the command-line solver).
struct SolveOutcome {
  bool ran = false;            // false: refused, a Solve was already running
  std::size_t candidates = 0;  // C candidates found
  unsigned processors = 0;     // the P the candidates were split for
  unsigned workersStarted = 0;
  bool stopped = false;  // the stop key (or a shutdown) ended the search early
  bool failed = false;   // out of memory in a worker or the driver: results incomplete
};

// Runs one worker of `method` per range of the split of the candidates
// over the usable processors, with a pause before each start (first
// starting the refinement of any C constants the candidate search left to
// this run, on threads of its own that the workers wait for), and waits for
// them in slices, returning as soon as the last one ends; before the first
// slice and after each, it pumps the messages and requests a stop while the
// stop key is held (with the stop alert) or once the program shuts down.
// What the workers keep goes to `results`, unordered. Fills outcome's
// processors, workersStarted and failed. However it ends, every started
// worker has ended before it returns, and every C of `found` is refined.
void RunFeedSearch(SolvePlatform& platform, SearchMethod method, const JobValues& job,
                   const StockTables& tables, CandidateList& found, RunControl& control,
                   ResultSink& results, const ProgressCallback& progress, SolveOutcome& outcome);

}  // namespace corvanta

#endif
