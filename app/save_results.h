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

// The results' CSV written to `path`; a failure gets one message box with
// the system's reason. True when written.
bool SaveResultsTo(HWND window, const std::wstring& path);

// `bytes` written to a temporary file in the folder of `path`, which then
// replaces `path`: until that rename, and after any failure, an existing
// file stays whole and the temporary file is removed. A read-only file is
// refused, as the shell's ">" refuses it. "" when written, else the
// system's reason.
std::string ReplaceFile(const std::wstring& path, const std::string& bytes);

}  // namespace corvanta

#endif
