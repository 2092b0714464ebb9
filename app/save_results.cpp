#include "app/save_results.h"

#include <commdlg.h>

#include <optional>
#include <vector>

#include "app/win32_controls.h"
#include "settings/win32_file_write.h"
#include "window_model/result_list.h"

namespace corvanta {

bool SaveResultsTo(HWND window, const std::wstring& path) {
  const std::optional<std::string> csv =
      ResultListCsv(Win32Controls(window), ProgramSolveSession());
  if (!csv) return false;
  const std::string problem = ReplaceFileWhole(path, *csv);
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
