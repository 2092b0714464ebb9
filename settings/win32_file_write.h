// Writing a whole file on Windows so that it is never found half-written,
// and the system's own words for a failure. The settings file's fallback
// write and the window's saved results both go through here.
#ifndef CORVANTA_SETTINGS_WIN32_FILE_WRITE_H
#define CORVANTA_SETTINGS_WIN32_FILE_WRITE_H

#include <windows.h>

#include <string>
#include <string_view>

namespace corvanta {

// The system's text for error `code`, on one line.
std::string SystemReason(DWORD code);

// `bytes` written to a temporary file in the folder of `path`, flushed,
// then moved over `path`: until that move, and after any failure, an
// existing file stays whole and the temporary file is removed. A read-only
// file is refused, as the shell's ">" refuses it. "" when written, else
// the system's reason.
std::string ReplaceFileWhole(const std::wstring& path, std::string_view bytes);

}  // namespace corvanta

#endif
