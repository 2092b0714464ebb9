// The set-up sheet on a printer the operator picks.
#ifndef CORVANTA_PRINT_WIN32_PRINT_JOB_H
#define CORVANTA_PRINT_WIN32_PRINT_JOB_H

#include <windows.h>

#include <functional>
#include <vector>

#include "print/setup_sheet.h"

namespace corvanta {

// Asks for a printer with the print dialog owned by `owner`, starting from
// the default printer every time (nothing is remembered), and prints the
// runs `composeSheet` gives as one page of the document "Change Gears". The
// sheet is composed only once a printer is chosen; a cancelled dialog, no
// printer, or a failing printer all end quietly.
void PrintSheet(HWND owner, const std::function<std::vector<SheetRun>()>& composeSheet);

}  // namespace corvanta

#endif
