// The "&Solve" command of the main window.
#ifndef CORVANTA_APP_SOLVE_COMMAND_H
#define CORVANTA_APP_SOLVE_COMMAND_H

#include <windows.h>

namespace corvanta {

// Takes the focus from every control and runs one whole Solve for the main
// window (which shows its first result); a close asked for meanwhile waits
// for it (close_guard.h). Ignored while a Solve runs.
void SolveCommand(HWND window);

}  // namespace corvanta

#endif
