// Everything one Solve builds and its workers share.
//
// The lists are gathered in one object rather than kept as loose globals so
// that tests can run searches side by side, each on its own state. The
// program keeps exactly one SearchState with static storage duration
// (ProgramSearchState): it lives until the process ends, so the lists that
// running workers read, and the results they append, stay valid even if the
// window is destroyed while the workers still run.
//
// Sharing rules while workers run: method, stockGears, pairTable, pairIndex,
// seenDeviations and candidates are not changed (read without locks), except
// for the candidates' C constants, which refinement's threads write and
// every worker waits for before it reads one; results is only appended to,
// under resultsMutex; stopRequested and progressCounter are atomics.
// running and releaseRequested belong to the window's thread alone.
#ifndef CORVANTA_SEARCH_SEARCH_STATE_H
#define CORVANTA_SEARCH_SEARCH_STATE_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <set>
#include <vector>

#include "numeric/number_types.h"
#include "search/c_candidate.h"
#include "search/c_refinement.h"
#include "search/pair_index.h"
#include "search/pair_table.h"
#include "search/search_method.h"
#include "search/solve_result.h"

namespace corvanta {

struct SearchState {
  SearchMethod method = SearchMethod::kFast;
  StockGears stockGears;
  PairTable pairTable;
  PairIndex pairIndex;  // of pairTable, for the fast search
  std::set<Decimal100> seenDeviations;
  std::vector<CCandidate> candidates;
  CRefinement refinement;  // of the candidates' C constants, when left to the workers' run
  std::vector<SolveResult> results;
  std::mutex resultsMutex;
  std::atomic<bool> stopRequested{false};
  std::atomic<std::uint32_t> progressCounter{0};
  bool running = false;           // a Solve runs on this state (SearchRunMark)
  bool releaseRequested = false;  // ReleaseSearchLists came while it ran
};

// The program's one search state.
SearchState& ProgramSearchState();

// True from the start of a Solve on `state` until it returns.
bool SolveRunning(const SearchState& state);

// The three ways the lists go:
// - FreeSearchLists empties the five lists and the pair index and frees
//   their storage at once (the method, the flag, the counter and the mutex
//   are left alone);
// - ReleaseSearchLists, at the main window's end, does the same, but while a
//   Solve runs on `state` it asks the workers to stop and leaves the freeing
//   to the end of that Solve, since the workers still read the lists;
// - DropSearchResults empties and frees only the results, and leaves them
//   alone while a Solve runs (its workers append to them, and it shows its
//   own results when it ends). True when emptied.
// ClearResults of the window model, the operator's "drop the result on
// display", ends with DropSearchResults.
void FreeSearchLists(SearchState& state);
void ReleaseSearchLists(SearchState& state);
bool DropSearchResults(SearchState& state);

// Marks `state` as running for the life of one Solve, and carries out a
// release of its lists that arrived meanwhile once the Solve is over. Not
// acquired, and changing nothing, when a Solve already runs on the state
// (the message pump of its wait can deliver a second command).
class SearchRunMark {
 public:
  explicit SearchRunMark(SearchState& state);
  ~SearchRunMark();
  SearchRunMark(const SearchRunMark&) = delete;
  SearchRunMark& operator=(const SearchRunMark&) = delete;
  bool acquired() const { return acquired_; }

 private:
  SearchState& state_;
  bool acquired_ = false;
};

}  // namespace corvanta

#endif
