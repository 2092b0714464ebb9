// "Print ...": the set-up sheet of the result on display.
#ifndef CORVANTA_APP_PRINT_COMMAND_H
#define CORVANTA_APP_PRINT_COMMAND_H

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

// Prints results[index]'s sheet (print/win32_print_job.h). The window is
// locked (PrintLock) from the start until the end, also when the operator
// cancels the printer dialog or there is no printer. An index outside the
// list prints nothing.
void PrintSetupSheet(HWND window, const std::vector<SolveResult>& results, std::size_t index);

}  // namespace corvanta

#endif
