// "Print ...": the set-up sheet of the result on display, on a printer the
// operator picks.
#ifndef CORVANTA_PRINT_PRINT_JOB_H
#define CORVANTA_PRINT_PRINT_JOB_H

#include <windows.h>

#include <cstddef>
#include <vector>

#include "search/solve_result.h"

namespace corvanta {

// The "Print ..." command once the window has the list of results: takes the
// focus from every control, and prints the result the result selector shows
// (its position counts from 1). With no such result (an empty list, the
// selector at 0 or beyond the list) it shows "Print error" in a box
// captioned "Info" and does nothing else.
void PrintSelectedResult(HWND window, const std::vector<SolveResult>& results);

// Prints results[index]'s sheet as one page of the document "Change Gears".
// The window is locked (menu bar greyed, the search's lock set disabled)
// from the start until the end, also when the operator cancels the printer
// dialog or there is no printer; both end quietly, and so does a failing
// printer. The printer is asked for afresh at every job, starting from the
// default one. An index outside the list prints nothing.
void PrintSetupSheet(HWND window, const std::vector<SolveResult>& results, std::size_t index);

}  // namespace corvanta

#endif
