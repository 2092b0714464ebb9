// Dropping the result on display, which every change of the job does: a
// result stays on screen only while it belongs to the job that is shown.
#ifndef CORVANTA_WINDOW_MODEL_CLEAR_RESULTS_H
#define CORVANTA_WINDOW_MODEL_CLEAR_RESULTS_H

#include "window_model/control_access.h"
#include "window_model/solve_session.h"

namespace corvanta {

// Empties the result lines and gear-train cells, hides the selector and the
// result captions, has the fraction bars erased, greys "Print ..." and
// empties `session.results` (unless a Solve is running on it, which hands
// back its own). The geometry lines stay.
void ClearResults(ControlAccess& controls, SolveSession& session);
// The same for the program's own session.
void ClearResults(ControlAccess& controls);

}  // namespace corvanta

#endif
