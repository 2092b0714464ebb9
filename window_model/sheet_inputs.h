// What the set-up sheet takes from the window (print/setup_sheet.h).
#ifndef CORVANTA_WINDOW_MODEL_SHEET_INPUTS_H
#define CORVANTA_WINDOW_MODEL_SHEET_INPUTS_H

#include "print/setup_sheet.h"
#include "search/search_method.h"
#include "search/solve_result.h"
#include "window_model/control_access.h"

namespace corvanta {

// The fields, the chosen set-up and the display lines, each read with the
// size the sheet has room for.
SheetInputs ReadSheetInputs(const ControlAccess& controls);

// The inputs of the sheet of `result`, found by `method`, where no display
// has shown it (the page tests): as above, but when the window holds no lead
// and actual-feed lines they are evaluated here, as the display would write
// them.
SheetInputs ReadDetachedSheetInputs(const ControlAccess& controls, const SolveResult& result,
                                    SearchMethod method);

}  // namespace corvanta

#endif
