#include "app/save_results.h"

#include <commdlg.h>

#include <algorithm>
#include <optional>
#include <vector>

#include "app/win32_controls.h"
#include "window_model/result_list.h"

namespace corvanta {
namespace {

// The system's own text for error `code`, without its line end.
std::string SystemReason(DWORD code) {
  char* text = nullptr;
  const DWORD length = FormatMessageA(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<char*>(&text), 0, nullptr);
  std::string reason =
      length > 0 && text != nullptr ? std::string(text, length) : "error " + std::to_string(code);
  LocalFree(text);
  while (!reason.empty() &&
         (reason.back() == '\n' || reason.back() == '\r' || reason.back() == ' '))
    reason.pop_back();
  return reason;
}

std::wstring FolderOf(const std::wstring& path) {
  const std::size_t slash = path.find_last_of(L"\\/");
  return slash == std::wstring::npos ? L"." : path.substr(0, slash + 1);
}

// Writes every byte to `file`; the error code of the first failure, or 0.
DWORD WriteAll(HANDLE file, const std::string& bytes) {
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

std::string ReplaceFile(const std::wstring& path, const std::string& bytes) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES &&
      (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0)
    return SystemReason(ERROR_ACCESS_DENIED);

  wchar_t temporary[MAX_PATH + 16] = L"";
  if (GetTempFileNameW(FolderOf(path).c_str(), L"cvt", 0, temporary) == 0)
    return SystemReason(GetLastError());
  HANDLE file = CreateFileW(temporary, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD failure = file == INVALID_HANDLE_VALUE ? GetLastError() : WriteAll(file, bytes);
  if (file != INVALID_HANDLE_VALUE && !CloseHandle(file) && failure == 0) failure = GetLastError();
  if (failure == 0 &&
      !MoveFileExW(temporary, path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    failure = GetLastError();
  if (failure != 0) {
    DeleteFileW(temporary);
    return SystemReason(failure);
  }
  return {};
}

bool SaveResultsTo(HWND window, const std::wstring& path) {
  const std::optional<std::string> csv =
      ResultListCsv(Win32Controls(window), ProgramSolveSession());
  if (!csv) return false;
  const std::string problem = ReplaceFile(path, *csv);
  if (problem.empty()) return true;
  MessageBoxA(window, ("The results were not saved: " + problem).c_str(), "Info",
              MB_OK | MB_ICONWARNING);
  return false;
}

void OnSaveResultsAs(HWND window) {
  if (!Win32Controls(window).ResultOnDisplay()) return;
  std::vector<wchar_t> path(32768, L'\0');
  OPENFILENAMEW dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = window;
  dialog.lpstrFilter = L"CSV files (*.csv)\0*.csv\0All files (*.*)\0*.*\0";
  dialog.lpstrFile = path.data();
  dialog.nMaxFile = static_cast<DWORD>(path.size());
  dialog.lpstrTitle = L"Save Results As";
  dialog.lpstrDefExt = L"csv";
  dialog.Flags =
      OFN_EXPLORER | OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_HIDEREADONLY;
  if (!GetSaveFileNameW(&dialog)) return;
  SaveResultsTo(window, path.data());
}

}  // namespace corvanta
