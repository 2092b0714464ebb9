// File > "Save Results As ...": every result of the Solve as CSV, to a file
// the operator picks in the common save dialog, written so that it is
// never found half-written.
#ifndef CORVANTA_APP_SAVE_RESULTS_H
#define CORVANTA_APP_SAVE_RESULTS_H

#include <windows.h>

#include <string>

namespace corvanta {

// The dialog, then SaveResultsTo the file chosen; nothing when it is
// cancelled or no result is on display.
void OnSaveResultsAs(HWND window);

// The results' CSV written to `path` (ReplaceFileWhole); a failure gets one message box with
// the system's reason. True when written.
bool SaveResultsTo(HWND window, const std::wstring& path);

}  // namespace corvanta

#endif
