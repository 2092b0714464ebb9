// The whole "&Solve" operation as the window sees it, on the window's
// thread.
//
// RunSolve locks the interface, builds the pair table from the gear-stock
// cells and the C candidates from the job on the main page, has the search
// workers run over them (search/stock_search.h) while the status line shows
// their progress, orders what they found, unlocks the interface and shows
// result 1. It reaches the window only through ControlAccess and the
// operating system only through SolvePlatform, so the same code runs in the
// Windows program, in native tests and in the command-line solver.
#ifndef CORVANTA_WINDOW_MODEL_SOLVE_DRIVER_H
#define CORVANTA_WINDOW_MODEL_SOLVE_DRIVER_H

#include "search/feed_search.h"
#include "search/solve_platform.h"
#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

// The "&Solve" operation on `session`; see the top of this file. Results end
// in session.results (ordered, at most kMaxResults), shown from position 0.
// Refused, changing nothing, while another RunSolve on the same session is
// running (the message pump of the wait can deliver a second command).
// Every worker has ended before it returns. Running out of memory ends the
// run early, with the interface unlocked as after any other run.
SolveOutcome RunSolve(ControlAccess& controls, SolvePlatform& platform, SolveSession& session);

// The "&Solve" command after the focus has been taken away: clears the
// stop request, empties the results, and runs RunSolve. Refused
// as a whole while a Solve runs, whose results are still to come,
// and for a job the validation refuses (FindInputProblem): the greyed
// button keeps the operator from it, but another program can still send
// the command, or set a field's text past its checks.
SolveOutcome SolveCommand(ControlAccess& controls, SolvePlatform& platform, SolveSession& session);

}  // namespace corvanta

#endif
