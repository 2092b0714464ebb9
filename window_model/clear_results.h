// Dropping the result on display, which every change of the job does: a
// result stays on screen only while it belongs to the job that is shown.
#ifndef CORVANTA_WINDOW_MODEL_CLEAR_RESULTS_H
#define CORVANTA_WINDOW_MODEL_CLEAR_RESULTS_H

#include "search/search_state.h"
#include "window_model/control_access.h"

namespace corvanta {

// Empties the result lines and gear-train cells, hides the selector and the
// result captions, has the fraction bars erased, greys "Print ..." and
// empties `state.results` (unless a search is running on it, whose workers
// still append to it). The geometry lines stay.
void ClearResults(ControlAccess& controls, SearchState& state);
// The same for the program's own search state.
void ClearResults(ControlAccess& controls);

}  // namespace corvanta

#endif
