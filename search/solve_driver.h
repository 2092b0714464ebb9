// The whole "&Solve" operation, on the window's thread.
//
// RunSolve locks the interface, builds the pair table and the C candidates,
// runs one search worker per logical processor over a static split of the
// candidates while keeping the window alive and watching the stop key,
// orders what the workers found, unlocks the interface and shows result 1.
// It reaches the window only through ControlAccess and the operating system
// only through SolvePlatform, so the same code runs in the Windows program,
// in native tests and in the command-line solver.
#ifndef CORVANTA_SEARCH_SOLVE_DRIVER_H
#define CORVANTA_SEARCH_SOLVE_DRIVER_H

#include <cstddef>
#include <cstdint>
#include <vector>

#include "app/control_access.h"
#include "search/search_state.h"
#include "search/solve_platform.h"

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

// The controls disabled while a search runs, and those of them that are
// enabled again when it ends ("&Solve" and the result selector stay
// disabled: validation and the result display decide about them).
const std::vector<ControlId>& ControlLockSet();
const std::vector<ControlId>& UnlockedAfterSolve();

// What one run did, for callers that report it (the command-line solver).
struct SolveOutcome {
  bool ran = false;            // false: refused, a Solve was already running
  std::size_t candidates = 0;  // C candidates found
  unsigned processors = 0;     // the P the candidates were split for
  unsigned workersStarted = 0;
  bool stopped = false;  // the stop key (or a shutdown) ended the search early
  bool failed = false;   // out of memory in a worker or the driver: results incomplete
};

// The "&Solve" operation on `state`; see the top of this file. Results end
// in state.results (ordered, at most kMaxResults), shown from position 0.
// Refused, changing nothing, while another RunSolve on the same state is
// running (the message pump of the wait can deliver a second command).
// Every worker has ended before it returns. Running out of memory ends the
// run early, with the interface unlocked as after any other run.
SolveOutcome RunSolve(ControlAccess& window, SolvePlatform& platform, SearchState& state);

// The "&Solve" command after the focus has been taken away: clears
// stopRequested, empties candidates and results, and runs RunSolve. Refused
// as a whole while a Solve runs, since the running workers read those lists.
SolveOutcome SolveCommand(ControlAccess& window, SolvePlatform& platform, SearchState& state);

// True from the start of RunSolve on `state` until it returns.
bool SolveRunning(const SearchState& state);

// Result navigation: ShowResult of state.results[i], refused (false) while
// a Solve runs on `state`, whose workers are still appending to the list.
bool ShowSearchResult(ControlAccess& window, const SearchState& state, std::size_t i);

// The program's one search state. It has static storage duration, so the
// lists running workers read outlive the main window in any case.
SearchState& ProgramSearchState();

// The main window's destruction: frees the search's lists. While a Solve is
// running on `state` it instead asks the workers to stop and leaves the
// freeing to the end of that Solve, since the workers still read the lists
// and append to the results.
void ReleaseSearchLists(SearchState& state);

// The result display's "drop the results": empties and releases
// state.results, unless a Solve is running (its workers append to them,
// and it shows its own results when it ends). True when emptied.
bool ClearSearchResults(SearchState& state);

}  // namespace corvanta

#endif
