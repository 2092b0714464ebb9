#include "settings/win32_file_write.h"

#include <algorithm>

namespace corvanta {

namespace {

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

// Writes every byte to `file` and flushes it; the error code of the first
// failure, or 0.
DWORD WriteAll(HANDLE file, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, chunk, &written, nullptr)) return GetLastError();
    if (written == 0) return ERROR_WRITE_FAULT;
    done += written;
  }
  return FlushFileBuffers(file) ? 0 : GetLastError();
}

}  // namespace

std::string SystemReason(DWORD code) {
  char text[512] = "";
  const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                      nullptr, code, 0, text, sizeof text, nullptr);
  std::string reason(text, length);
  while (!reason.empty() &&
         (reason.back() == '\r' || reason.back() == '\n' || reason.back() == ' '))
    reason.pop_back();
  return reason.empty() ? "error " + std::to_string(code) : reason;
}

std::string ReplaceFileWhole(const std::wstring& path, std::string_view bytes) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
    return SystemReason(ERROR_ACCESS_DENIED);
  wchar_t temporary[MAX_PATH + 16] = L"";
  if (GetTempFileNameW(FolderOf(path).c_str(), L"cv", 0, temporary) == 0)
    return SystemReason(GetLastError());
  HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD failure = file == INVALID_HANDLE_VALUE ? GetLastError() : WriteAll(file, bytes);
  if (file != INVALID_HANDLE_VALUE && !CloseHandle(file) && failure == 0) failure = GetLastError();
  if (failure == 0 &&
      !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    failure = GetLastError();
  if (failure == 0) return {};
  DeleteFileW(temporary);
  return SystemReason(failure);
}

}  // namespace corvanta
