// The window's current Solve (or gear advice): the one search state the
// program keeps.
//
// A Solve builds its tables, candidates and workers' lists on values of its
// own (search/stock_search.h) and hands back its ordered results; what
// outlives it is kept here: the results the result display steps through,
// and the control of the Solve that runs, which the window's close and
// Escape reach. The session has static storage duration (ProgramSolveSession)
// so that a Solve still running when the window is destroyed writes its
// results into something that still exists.
//
// running and releaseRequested belong to the window's thread alone; the
// control's two atomics are shared with the running workers.
#ifndef CORVANTA_WINDOW_MODEL_SOLVE_SESSION_H
#define CORVANTA_WINDOW_MODEL_SOLVE_SESSION_H

#include <vector>

#include "advice/advice_rows.h"
#include "search/run_control.h"
#include "search/search_method.h"
#include "search/solve_result.h"

namespace corvanta {

// How a list page is sorted: by the column whose head was clicked last
// (0, the first column, gives the search's own order).
struct ListSort {
  int column = 0;
  bool descending = false;
};

struct SolveSession {
  SearchMethod method = SearchMethod::kFast;
  std::vector<SolveResult> results;  // of the last Solve, in their final order
  ListSort resultSort;               // of the results page
  // The gear advice for the job and the stock as they stand, ranked, and
  // how its page sorts it; dropped with the result when either changes.
  std::vector<AdviceListRow> advice;
  ListSort adviceSort;
  RunControl control;             // of the Solve that runs, or ran last
  bool running = false;           // a Solve runs on this session (SolveRunMark)
  bool releaseRequested = false;  // ReleaseSolveResults came while it ran
};

// The program's one session.
SolveSession& ProgramSolveSession();

// True from the start of a Solve on `session` until it returns.
bool SolveRunning(const SolveSession& session);

// The two ways the results go:
// - ReleaseSolveResults, at the main window's end, empties and frees them,
//   but while a Solve runs it asks the workers to stop and leaves the
//   freeing to the end of that Solve, which would hand back new ones;
// - DropSolveResults empties and frees them, and leaves them alone while a
//   Solve runs (it shows its own results when it ends). True when emptied.
// ClearResults of the window model, the operator's "drop the result on
// display", ends with DropSolveResults.
void ReleaseSolveResults(SolveSession& session);
bool DropSolveResults(SolveSession& session);

// Marks `session` as running for the life of one Solve, and carries out a
// release of its results that arrived meanwhile once the Solve is over. Not
// acquired, and changing nothing, when a Solve already runs on the session
// (the message pump of its wait can deliver a second command).
class SolveRunMark {
 public:
  explicit SolveRunMark(SolveSession& session);
  ~SolveRunMark();
  SolveRunMark(const SolveRunMark&) = delete;
  SolveRunMark& operator=(const SolveRunMark&) = delete;
  bool acquired() const { return acquired_; }

 private:
  SolveSession& session_;
  bool acquired_ = false;
};

}  // namespace corvanta

#endif
